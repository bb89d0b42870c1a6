#include "wallpaper/DesktopValues.h"

namespace wallpaper {

using platform::TWallpaperStyle;

std::vector<std::pair<std::string, std::string>> DesktopValues(const std::string& wallpaperPath,
                                                               TWallpaperStyle style) {
  std::string styleText;
  switch (style) {
    case TWallpaperStyle::wsTile:
    case TWallpaperStyle::wsCenter:
      styleText = "0";
      break;
    case TWallpaperStyle::wsStretch:
      styleText = "2";
      break;
    default:
      styleText = std::to_string(static_cast<int>(style));
  }
  return {{"Wallpaper", wallpaperPath},
          {"TileWallpaper", style == TWallpaperStyle::wsTile ? "1" : "0"},
          {"WallpaperStyle", std::move(styleText)},
          {"WallpaperOriginX", "0"},
          {"WallpaperOriginY", "0"}};
}

}  // namespace wallpaper
