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
// The values of a wallpaper composed for the whole virtual screen: spanned across the monitors
// where Windows has spanning (8 and later), else tiled from the primary monitor's corner.
std::vector<std::pair<std::string, std::string>> ComposedDesktopValues(const std::string& wallpaperPath,
                                                                       bool spanned);

}  // namespace wallpaper
