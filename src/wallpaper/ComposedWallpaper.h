// A wallpaper the program composes for several monitors: one bitmap of the virtual screen's
// size in which each monitor's rectangle holds its own picture, placed by the display style at
// that monitor's size, and everything else the desktop's background colour. Only one picture is
// held besides the bitmap at a time.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "platform/WallpaperStyle.h"
#include "pictures/BgrPixels.h"
#include "pictures/DecodeHelper.h"
#include "wallpaper/MonitorPlacement.h"

namespace wallpaper {

struct MonitorPicture {
  Monitor monitor;
  std::string picturePath;
};

// `spanned`: laid out from the virtual screen's corner, as Windows 8 and later span a wallpaper
// across the monitors; else turned so that the primary monitor's corner is the first pixel, where
// older Windows start tiling. No style places as Center. A picture a helper decodes is waited for
// as `wait` says. Fails as reading or decoding a picture does.
BgrPixels ComposeWallpaper(const std::vector<MonitorPicture>& pictures, platform::TWallpaperStyle style,
                           const PixelRect& virtualScreen, std::uint32_t background, bool spanned,
                           pictures::HelperWait wait);

// Whether this Windows spans one wallpaper across the monitors (8 and later).
bool SystemSpansWallpapers();

}  // namespace wallpaper
