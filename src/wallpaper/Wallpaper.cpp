#include "wallpaper/Wallpaper.h"

#include <windows.h>

#include "platform/RegistryStore.h"
#include "wallpaper/DesktopValues.h"

namespace wallpaper {

std::string WallpaperFilePath() {
  char folder[256] = {};
  ::GetWindowsDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\VAImage.bmp";
}

void ApplyWallpaper(const std::string& wallpaperPath, platform::TWallpaperStyle style) {
  platform::RegistryStore desktop(kDesktopKey);
  for (const auto& [name, text] : DesktopValues(wallpaperPath, style)) desktop.WriteString("", name, text);
  desktop.Close();
  // The path itself, not a null pointer: current systems (and Wine) take the new picture only so.
  ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(wallpaperPath.c_str()), SPIF_SENDWININICHANGE);
}

}  // namespace wallpaper
