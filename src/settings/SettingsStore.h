// The registry store of the program's settings (settings/StoredOptions.h), opened for one
// operation and closed at its end.
#pragma once

#include "platform/RegistryStore.h"
#include "platform/WallpaperStyle.h"

namespace settings {

platform::RegistryStore OpenSettingsStore();

// The stored Display as the wallpaper takes it: Tile when missing, none when out of range or not
// readable (a REG_DWORD written by hand must not stop the wallpaper).
platform::TWallpaperStyle StoredWallpaperStyle();

}  // namespace settings
