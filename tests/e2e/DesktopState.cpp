#include "e2e/DesktopState.h"

#include <windows.h>

namespace e2e {
namespace {

constexpr char kDesktopKey[] = "Control Panel\\Desktop";
constexpr char kSettingsKey[] = "Software\\Vantoria\\Settings";

std::string RegistryText(const char* key, const char* name, const std::string& missing) {
  char value[512] = {};
  DWORD size = sizeof value;
  if (::RegGetValueA(HKEY_CURRENT_USER, key, name, RRF_RT_REG_SZ, nullptr, value, &size) != ERROR_SUCCESS)
    return missing;
  return value;
}

}  // namespace

std::string WallpaperFile() {
  char windows[MAX_PATH] = {};
  ::GetWindowsDirectoryA(windows, MAX_PATH);
  return std::string(windows) + "\\VAImage.bmp";
}

std::string DesktopValue(const char* name) { return RegistryText(kDesktopKey, name, ""); }

std::string SettingsValue(const char* name) { return RegistryText(kSettingsKey, name, "<none>"); }

void SetSettingsValue(const char* name, const std::string& text) {
  ::RegSetKeyValueA(HKEY_CURRENT_USER, kSettingsKey, name, REG_SZ, text.c_str(), static_cast<DWORD>(text.size() + 1));
}

void CleanWallpaperState::Clear() {
  const std::string file = WallpaperFile();
  ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
  ::DeleteFileA(file.c_str());
  ::RegDeleteTreeA(HKEY_CURRENT_USER, kSettingsKey);
  ::RegSetKeyValueA(HKEY_CURRENT_USER, kDesktopKey, "Wallpaper", REG_SZ, "", 1);
  ::SystemParametersInfoA(SPI_SETDESKWALLPAPER, 0, const_cast<char*>(""), SPIF_SENDWININICHANGE);
}

}  // namespace e2e
