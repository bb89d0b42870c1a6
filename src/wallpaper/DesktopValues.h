// The current user's desktop wallpaper values for a wallpaper style. No style (none chosen) is
// written as its index, "-1".
#pragma once

#include <string>
#include <utility>
#include <vector>

#include "platform/WallpaperStyle.h"

namespace wallpaper {

// Name and text of each value, in the order they are written.
std::vector<std::pair<std::string, std::string>> DesktopValues(const std::string& wallpaperPath,
                                                               platform::TWallpaperStyle style);

}  // namespace wallpaper
