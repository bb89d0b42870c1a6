// The options and rotation counters kept in the current user's registry: where they are, their
// names, and the default each reader takes for a missing or unreadable value. The options
// dialog and the start-up rotation read `RndFile` with different defaults, and both must stay:
// until the user presses OK once, the dialog offers random order while log-on runs go in order.
#pragma once

#include "platform/WallpaperStyle.h"

namespace settings {

inline constexpr char kProgramKey[] = "Software\\Vantoria";
inline constexpr char kSettingsSection[] = "Settings";

// The values of kSettingsSection, all REG_SZ text.
inline constexpr char kRndFile[] = "RndFile";    // boolean: the rotation picks a picture at random
inline constexpr char kDisplay[] = "Display";    // integer: 0 Tile, 1 Center, 2 Stretch, -1 none
inline constexpr char kChangeWP[] = "ChangeWP";  // boolean: the rotation changes at most once a day
inline constexpr char kFile[] = "File";          // integer: the rotation's next picture in its folder
inline constexpr char kFolder[] = "Folder";      // integer: the rotation's folder in the list
inline constexpr char kDate[] = "Date";          // text: the day of the last change, in the user's format

// What the options dialog shows for a fresh user: random order checked, Tile, no daily limit.
struct OptionsDialogDefaults {
  bool rndFile = true;
  int display = 0;
  bool changeWP = false;
};
inline constexpr OptionsDialogDefaults kOptionsDialogDefaults;

// What the start-up rotation takes for a fresh user: in order, from the first picture of the
// first folder, at every log-on. "00" is no date the user's format can give.
struct RotationDefaults {
  int file = 0;
  int folder = 0;
  bool rndFile = false;
  bool changeWP = false;
  const char* date = "00";
};
inline constexpr RotationDefaults kRotationDefaults;

// The stored `Display` as the options dialog shows it: Tile when missing, none when out of range
// or not readable.
platform::TWallpaperStyle StoredWallpaperStyle();

}  // namespace settings
