#include "wallpaper/Wallpaper.h"

#include <windows.h>

#include "platform/KnownFolders.h"
#include "platform/RegistryStore.h"
#include "wallpaper/DesktopValues.h"

namespace wallpaper {
namespace {

constexpr char kWallpaperFileName[] = "VAImage.bmp";

}  // namespace

std::string WallpaperFilePath() {
  char folder[256] = {};
  ::GetWindowsDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\" + kWallpaperFileName;
}

std::string UserWallpaperFilePath() {
  const std::string localAppData = platform::LocalAppDataFolder();
  if (localAppData.empty()) return {};
  const std::string folder = localAppData + "\\Vantoria";
  ::CreateDirectoryA(folder.c_str(), nullptr);  // a folder that cannot be made fails the file's creation
  return folder + "\\" + kWallpaperFileName;
}

void ApplyWallpaper(const std::string& wallpaperPath, platform::TWallpaperStyle style) {
  platform::RegistryStore desktop(kDesktopKey);
  for (const auto& [name, text] : DesktopValues(wallpaperPath, style)) desktop.WriteString("", name, text);
  desktop.Close();
  // The path itself, not a null pointer: current systems (and Wine) take the new picture only so.
  // Updating the profile too makes Windows 8 and later refresh their own cached copy of the
  // picture, so that the change survives a restart.
  ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(wallpaperPath.c_str()),
                          SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE);
}

}  // namespace wallpaper
