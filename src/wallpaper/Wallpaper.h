// Setting the desktop wallpaper: the values in the current user's registry, then the system
// told to take them.
#pragma once

#include <functional>
#include <string>
#include <utility>
#include <vector>

#include "platform/WallpaperStyle.h"

namespace wallpaper {

inline constexpr char kDesktopKey[] = "Control Panel\\Desktop";

inline constexpr char kWallpaperFileName[] = "VAImage.bmp";

// Where the converted wallpaper is written: the Windows folder's "VAImage.bmp".
std::string WallpaperFilePath();

// Whether the desktop's wallpaper is the program's own file, in the Windows folder or in
// `userFolder`: not when the user chose another picture in Windows' settings since.
bool DesktopShowsWallpaperFile(const std::string& userFolder);

// Writes the desktop values of `style` and tells the system once. Fails with the system's error
// when it refuses the wallpaper (a policy that locks the desktop background, a file it cannot
// read); the values written stay.
void ApplyWallpaper(const std::string& wallpaperPath, platform::TWallpaperStyle style);
// The same with the desktop values given.
void ApplyWallpaperValues(const std::string& wallpaperPath,
                          const std::vector<std::pair<std::string, std::string>>& values);

// The system call that makes the desktop take the wallpaper at `path`: false, with the thread's
// last error set, when the system refuses it. Tests replace it to see a refusal.
using DeskWallpaperHook = std::function<bool(const std::string& path)>;
// Replaces the system call until reset with an empty hook.
void SetDeskWallpaperHook(DeskWallpaperHook hook);

}  // namespace wallpaper
