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

}  // namespace settings
