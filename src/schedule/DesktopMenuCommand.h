// "Next Vantoria picture" on the desktop's right-click menu, for the current user: a command of
// the desktop background that runs the program with "/next".
#pragma once

#include <string>

namespace schedule {

inline constexpr char kNextPictureSwitch[] = "/next";

// This program's command line for the menu.
std::string OwnNextPictureCommand();
// What the menu's command runs now; empty when there is none.
std::string DesktopMenuCommandLine();
// Both fail with platform::ERegistryException.
void AddDesktopMenuCommand();
void RemoveDesktopMenuCommand();

}  // namespace schedule
