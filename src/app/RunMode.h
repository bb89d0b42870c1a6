// The run mode: a start-up run when argument 1 is exactly "/s"; the runs without a window have
// switches of their own (schedule/).
#pragma once

#include <string_view>

#include "schedule/StartupEntry.h"

namespace app {

inline constexpr char kUnregisterSwitch[] = "/unregister";

inline bool IsStartupArgument(std::string_view argument) { return argument == schedule::kStartupSwitch; }
bool IsStartupRun();

}  // namespace app
