#include "wallpaper/DesktopValues.h"

namespace wallpaper {

std::vector<std::pair<std::string, std::string>> DesktopValues(const std::string& wallpaperPath, std::int8_t style) {
  const char* tile = style == 0 ? "1" : "0";
  std::string styleText = style == 2 ? "2" : (style == 0 || style == 1) ? "0" : std::to_string(style);
  return {{"Wallpaper", wallpaperPath},
          {"TileWallpaper", tile},
          {"WallpaperStyle", std::move(styleText)},
          {"WallpaperOriginX", "0"},
          {"WallpaperOriginY", "0"}};
}

}  // namespace wallpaper
