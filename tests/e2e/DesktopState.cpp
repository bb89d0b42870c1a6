#include "e2e/DesktopState.h"

#include <windows.h>

namespace e2e {
namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";

}  // namespace

std::string WallpaperFile() {
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\VAImage.bmp";
}

std::string DesktopValue(const char* name) {
  char value[512] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(HKEY_CURRENT_USER, kDesktopKey, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return "";
  return value;
}

void CleanWallpaperState::Clear() {
  const std::string file = WallpaperFile();
  ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileA(file.c_str());
  ::RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "Wallpaper", REG_SZ, "", 1);
  ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(""), SPIF_SENDWININICHANGE);
}

}  // namespace e2e
