// The wallpaper state that Vantoria.exe changes, for end-to-end tests: the desktop values, the
// converted wallpaper file and the program's own settings. A test starts and ends with none.
#pragma once

#include <string>

#include "support/ScratchSettings.h"

namespace e2e {

// "VAImage.bmp" in the Windows directory.
std::string WallpaperFile();
// A text value of the current user's desktop key; empty when missing.
std::string DesktopValue(const char* name);

class CleanWallpaperState {
 public:
  CleanWallpaperState() { Clear(); }
  ~CleanWallpaperState() { Clear(); }
  CleanWallpaperState(const CleanWallpaperState&) = delete;
  CleanWallpaperState& operator=(const CleanWallpaperState&) = delete;

 private:
  // No wallpaper file, a plain desktop.
  static void Clear();
  testing_support::ScratchSettings settings_;
};

}  // namespace e2e
