#include "settings/SettingsStore.h"

#include "platform/Exceptions.h"
#include "settings/StoredOptions.h"

namespace settings {

platform::RegistryStore OpenSettingsStore() { return platform::RegistryStore(stored::kProgramKey); }

platform::TWallpaperStyle StoredWallpaperStyle() {
  platform::RegistryStore store = OpenSettingsStore();
  return ReadOr(
      [&] {
        return platform::WallpaperStyleFromIndex(
            store.ReadInteger(stored::kSection, stored::kDisplay, TDialogOptions().display));
      },
      platform::TWallpaperStyle::wsNone);
}

bool StoredPerMonitor() {
  platform::RegistryStore store = OpenSettingsStore();
  return StoredBool(store, stored::kPerMonitor, false);
}

bool StoredAllPictures() {
  platform::RegistryStore store = OpenSettingsStore();
  return StoredBool(store, stored::kAllPictures, false);
}

std::string StoredWallpaperLayout() {
  return OpenSettingsStore().ReadText(stored::kSection, stored::kWallpaperLayout).value_or("");
}

void StoreWallpaperLayout(const std::string& layout) {
  OpenSettingsStore().WriteString(stored::kSection, stored::kWallpaperLayout, layout);
}

}  // namespace settings
