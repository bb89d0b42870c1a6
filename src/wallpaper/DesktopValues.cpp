#include "wallpaper/DesktopValues.h"

namespace wallpaper {
namespace {

using platform::TWallpaperStyle;

std::vector<std::pair<std::string, std::string>> Values(const std::string& wallpaperPath, bool tiled,
                                                        std::string styleText) {
  return {{"Wallpaper", wallpaperPath},
          {"TileWallpaper", tiled ? "1" : "0"},
          {"WallpaperStyle", std::move(styleText)},
          {"WallpaperOriginX", "0"},
          {"WallpaperOriginY", "0"}};
}

}  // namespace

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
    // The values Windows 7 and later use.
    case TWallpaperStyle::wsFill:
      styleText = "10";
      break;
    case TWallpaperStyle::wsFit:
      styleText = "6";
      break;
    default:
      styleText = std::to_string(static_cast<int>(style));
  }
  return Values(wallpaperPath, style == TWallpaperStyle::wsTile, std::move(styleText));
}

std::vector<std::pair<std::string, std::string>> ComposedDesktopValues(const std::string& wallpaperPath,
                                                                       bool spanned) {
  return spanned ? Values(wallpaperPath, false, "22") : Values(wallpaperPath, true, "0");
}

}  // namespace wallpaper
