// "Vantoria" on the desktop's right-click menu, for the current user: a submenu of the desktop
// background whose commands run the program with a switch each.
#pragma once

#include <string>

namespace schedule {

inline constexpr char kNextPictureSwitch[] = "/next";
inline constexpr char kNextHereSwitch[] = "/nexthere";
inline constexpr char kPreviousPictureSwitch[] = "/previous";
inline constexpr char kShowPictureSwitch[] = "/show";
inline constexpr char kExcludePictureSwitch[] = "/exclude";
inline constexpr char kPauseSwitch[] = "/pause";
inline constexpr char kResumeSwitch[] = "/resume";

// This program's command line for the menu's "Next picture".
std::string OwnNextPictureCommand();
// What the menu's "Next picture" runs now; empty when there is none.
std::string DesktopMenuCommandLine();
// Both fail with platform::ERegistryException. Each also removes the single command that earlier
// versions put on the menu.
void AddDesktopMenuCommand();
void RemoveDesktopMenuCommand();

}  // namespace schedule
