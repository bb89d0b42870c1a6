// The current user's desktop wallpaper values for a wallpaper style: 0 Tile, 1 Center,
// 2 Stretch; any other index (-1: none chosen) is written as it is.
#pragma once

#include <cstdint>
#include <string>
#include <utility>
#include <vector>

namespace wallpaper {

// Name and text of each value, in the order they are written.
std::vector<std::pair<std::string, std::string>> DesktopValues(const std::string& wallpaperPath, std::int8_t style);

}  // namespace wallpaper
