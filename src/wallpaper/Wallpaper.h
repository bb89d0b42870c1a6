// Setting the desktop wallpaper: the values in the current user's registry, then the system
// told to take them.
#pragma once

#include <string>

#include "platform/WallpaperStyle.h"

namespace wallpaper {

inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

// Where the converted wallpaper is written: the Windows folder's "VAImage.bmp".
std::string WallpaperFilePath();
// Where it goes when the Windows folder cannot take it, as for a standard user on current
// Windows: "Vantoria\VAImage.bmp" in the user's local application data, the folder made if
// missing. Empty when the user has no such folder.
std::string UserWallpaperFilePath();

// Writes the desktop values of `style` and notifies the system once.
void ApplyWallpaper(const std::string& wallpaperPath, platform::TWallpaperStyle style);

}  // namespace wallpaper
