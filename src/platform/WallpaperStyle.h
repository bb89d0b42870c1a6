// How the desktop shows its wallpaper picture, as an index of the styles Tile, Center, Stretch,
// Fill (covers the screen, its shape kept, cropped) and Fit (inside the screen, its shape kept);
// none when no style was chosen.
#pragma once

#include <cstdint>

namespace platform {

enum class TWallpaperStyle : std::int8_t {
  wsNone = -1,
  wsTile = 0,
  wsCenter = 1,
  wsStretch = 2,
  wsFill = 3,
  wsFit = 4,
};

// A list index of the five styles; any other index is none.
constexpr TWallpaperStyle WallpaperStyleFromIndex(int index) {
  return index >= 0 && index <= 4 ? static_cast<TWallpaperStyle>(index) : TWallpaperStyle::wsNone;
}

}  // namespace platform
