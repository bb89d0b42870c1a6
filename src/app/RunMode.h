// The run mode: a start-up run when argument 1 is exactly "/s".
#pragma once

#include <string_view>

namespace app {

inline bool IsStartupArgument(std::string_view argument) { return argument == "/s"; }
bool IsStartupRun();

}  // namespace app
