#include "settings/SettingsStore.h"

#include "platform/Exceptions.h"
#include "settings/StoredOptions.h"

namespace settings {

platform::RegistryStore OpenSettingsStore() { return platform::RegistryStore(stored::kProgramKey); }

namespace {

// What `read` reads of the settings store, or `unreadable` for a value that is not text.
template <typename Read, typename Value>
Value ReadOr(Read read, Value unreadable) {
  platform::RegistryStore store = OpenSettingsStore();
  try {
    return read(store);
  } catch (const platform::ERegistryException&) {
    return unreadable;
  }
}

bool StoredSwitch(const char* name) {
  return ReadOr([name](platform::RegistryStore& store) { return store.ReadBool(stored::kSection, name, false); },
                false);
}

}  // namespace

platform::TWallpaperStyle StoredWallpaperStyle() {
  return ReadOr(
      [](platform::RegistryStore& store) {
        return platform::WallpaperStyleFromIndex(
            store.ReadInteger(stored::kSection, stored::kDisplay, TDialogOptions().display));
      },
      platform::TWallpaperStyle::wsNone);
}

bool StoredPerMonitor() { return StoredSwitch(stored::kPerMonitor); }

bool StoredAllPictures() { return StoredSwitch(stored::kAllPictures); }

std::string StoredMonitorPicture(const std::string& device) {
  return ReadOr(
      [&device](platform::RegistryStore& store) { return store.ReadString(stored::kMonitorsSection, device, ""); },
      std::string());
}

void StoreMonitorPicture(const std::string& device, const std::string& picturePath) {
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteString(stored::kMonitorsSection, device, picturePath);
}

}  // namespace settings
