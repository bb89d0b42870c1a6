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

namespace {

bool StoredSwitch(const char* name) {
  platform::RegistryStore store = OpenSettingsStore();
  try {
    return store.ReadBool(stored::kSection, name, false);
  } catch (const platform::ERegistryException&) {
    return false;
  }
}

}  // namespace

bool StoredPerMonitor() { return StoredSwitch(stored::kPerMonitor); }

bool StoredAllPictures() { return StoredSwitch(stored::kAllPictures); }

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
