#include "settings/SettingsStore.h"

#include "platform/Exceptions.h"
#include "settings/StoredOptions.h"

namespace settings {

platform::RegistryStore OpenSettingsStore() { return platform::RegistryStore(stored::kProgramKey); }

platform::TWallpaperStyle StoredWallpaperStyle() {
  platform::RegistryStore store = OpenSettingsStore();
  try {
    return platform::WallpaperStyleFromIndex(
        store.ReadInteger(stored::kSection, stored::kDisplay, TDialogOptions().display));
  } catch (const platform::ERegistryException&) {
    return platform::TWallpaperStyle::wsNone;
  }
}

bool StoredPerMonitor() {
  platform::RegistryStore store = OpenSettingsStore();
  try {
    return store.ReadBool(stored::kSection, stored::kPerMonitor, TDialogOptions().perMonitor);
  } catch (const platform::ERegistryException&) {
    return false;
  }
}

std::string StoredMonitorPicture(const std::string& device) {
  platform::RegistryStore store = OpenSettingsStore();
  try {
    return store.ReadString(stored::kMonitorsSection, device, "");
  } catch (const platform::ERegistryException&) {
    return {};
  }
}

void StoreMonitorPicture(const std::string& device, const std::string& picturePath) {
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteString(stored::kMonitorsSection, device, picturePath);
}

}  // namespace settings
