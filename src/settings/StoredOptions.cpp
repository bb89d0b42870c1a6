#include "settings/StoredOptions.h"

#include "platform/RegistryStore.h"

namespace settings {

platform::TWallpaperStyle StoredWallpaperStyle() {
  platform::RegistryStore store(kProgramKey);
  return platform::WallpaperStyleFromIndex(
      store.ReadInteger(kSettingsSection, kDisplay, kOptionsDialogDefaults.display));
}

}  // namespace settings
