#include "settings/SettingsStore.h"

#include "platform/Exceptions.h"
#include "platform/ValueText.h"
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

}  // namespace

bool StoredSwitch(platform::RegistryStore& store, const char* name, bool fallback) {
  const std::optional<std::string> text = store.ReadText(stored::kSection, name);
  return text ? platform::IntegerOrDefault(*text, fallback ? 1 : 0) != 0 : fallback;
}

platform::TWallpaperStyle StoredWallpaperStyle() {
  return ReadOr(
      [](platform::RegistryStore& store) {
        return platform::WallpaperStyleFromIndex(
            store.ReadInteger(stored::kSection, stored::kDisplay, TDialogOptions().display));
      },
      platform::TWallpaperStyle::wsNone);
}

bool StoredPerMonitor() {
  platform::RegistryStore store = OpenSettingsStore();
  return StoredSwitch(store, stored::kPerMonitor, false);
}

bool StoredAllPictures() {
  platform::RegistryStore store = OpenSettingsStore();
  return StoredSwitch(store, stored::kAllPictures, false);
}

std::string StoredMonitorPicture(const std::string& device) {
  return OpenSettingsStore().ReadText(stored::kMonitorsSection, device).value_or("");
}

void StoreMonitorPicture(const std::string& device, const std::string& picturePath) {
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteString(stored::kMonitorsSection, device, picturePath);
}

}  // namespace settings
