// The registry store of the program's settings (settings/StoredOptions.h), opened for one
// operation and closed at its end.
#pragma once

#include <string>

#include "platform/RegistryStore.h"
#include "platform/WallpaperStyle.h"

namespace settings {

platform::RegistryStore OpenSettingsStore();

// The stored Display as the wallpaper takes it: Tile when missing, none when out of range or not
// readable (a REG_DWORD written by hand must not stop the wallpaper).
platform::TWallpaperStyle StoredWallpaperStyle();

// Whether several monitors each show a picture of their own, and whether every kind of picture
// this PC decodes is listed; off when missing or unreadable.
bool StoredPerMonitor();
bool StoredAllPictures();

// The monitors' layout the wallpaper was last composed for (wallpaper::LayoutText); empty for a
// wallpaper of one picture, or when unknown.
std::string StoredWallpaperLayout();
void StoreWallpaperLayout(const std::string& layout);

}  // namespace settings
