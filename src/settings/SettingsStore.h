// The registry store of the program's settings (settings/StoredOptions.h), opened for one
// operation and closed at its end.
#pragma once

#include <string>

#include "platform/RegistryStore.h"
#include "platform/WallpaperStyle.h"

namespace settings {

platform::RegistryStore OpenSettingsStore();

// A stored "1"/"0" value of section Settings; `fallback` when it is missing or not text.
bool StoredSwitch(platform::RegistryStore& store, const char* name, bool fallback);

// The stored Display as the wallpaper takes it: Tile when missing, none when out of range or not
// readable (a REG_DWORD written by hand must not stop the wallpaper).
platform::TWallpaperStyle StoredWallpaperStyle();

// Whether several monitors each show a picture of their own, and whether every kind of picture
// this PC decodes is listed; off when missing or unreadable.
bool StoredPerMonitor();
bool StoredAllPictures();

// The picture the monitor of that device name was last given; empty when none.
std::string StoredMonitorPicture(const std::string& device);
void StoreMonitorPicture(const std::string& device, const std::string& picturePath);

}  // namespace settings
