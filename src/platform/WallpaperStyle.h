// How the desktop shows its wallpaper picture, as an index of the styles Tile, Center and
// Stretch; none when no style was chosen.
#pragma once

#include <cstdint>

namespace platform {

enum class TWallpaperStyle : std::int8_t { wsNone = -1, wsTile = 0, wsCenter = 1, wsStretch = 2 };

// A list index of the three styles; any other index is none.
constexpr TWallpaperStyle WallpaperStyleFromIndex(int index) {
  return index >= 0 && index <= 2 ? static_cast<TWallpaperStyle>(index) : TWallpaperStyle::wsNone;
}

}  // namespace platform
