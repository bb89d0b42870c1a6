// The run mode: a start-up run when argument 1 is exactly "/s". Not stored: each place that
// needs it asks again.
#pragma once

#include <string_view>

namespace app {

inline bool IsStartupArgument(std::string_view argument) { return argument == "/s"; }
bool IsStartupRun();

}  // namespace app
