#include "wallpaper/Wallpaper.h"

#include <windows.h>

#include "platform/Paths.h"
#include "platform/RegistryStore.h"
#include "platform/SystemError.h"
#include "wallpaper/DesktopValues.h"

namespace wallpaper {
namespace {

DeskWallpaperHook& Hook() {
  static DeskWallpaperHook hook;
  return hook;
}

bool SetDeskWallpaper(const std::string& path) {
  if (Hook()) return Hook()(path);
  // The path itself, not a null pointer: current systems (and Wine) take the new picture only
  // so. Updating the profile too makes Windows 8 and later refresh their own cached copy of the
  // picture, so that the change survives a restart.
  return ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(path.c_str()),
                                 SPIF_UPDATEINIFILE | SPIF_SENDWININICHANGE) != FALSE;
}

}  // namespace

std::string WallpaperFilePath() {
  char folder[256] = {};
  ::GetWindowsDirectoryA(folder, sizeof folder);
  return std::string(folder) + "\\" + kWallpaperFileName;
}

bool DesktopShowsWallpaperFile(const std::string& userFolder) {
  const std::string shown = platform::RegistryStore(kDesktopKey).ReadText("", "Wallpaper").value_or("");
  return platform::SamePath(shown, WallpaperFilePath()) ||
         (!userFolder.empty() && platform::SamePath(shown, userFolder + "\\" + kWallpaperFileName));
}

void ApplyWallpaper(const std::string& wallpaperPath, platform::TWallpaperStyle style) {
  ApplyWallpaperValues(wallpaperPath, DesktopValues(wallpaperPath, style));
}

void ApplyWallpaperValues(const std::string& wallpaperPath,
                          const std::vector<std::pair<std::string, std::string>>& values) {
  platform::RegistryStore desktop(kDesktopKey);
  for (const auto& [name, text] : values) desktop.WriteString("", name, text);
  desktop.Close();
  if (!SetDeskWallpaper(wallpaperPath)) platform::RaiseLastOSError();
}

void SetDeskWallpaperHook(DeskWallpaperHook hook) { Hook() = std::move(hook); }

}  // namespace wallpaper
