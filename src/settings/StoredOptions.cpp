#include "settings/StoredOptions.h"

#include "platform/Exceptions.h"
#include "platform/RegistryStore.h"

namespace settings {

// A value the wallpaper cannot read (a REG_DWORD written by hand or by a script) must not stop
// it: it then takes no style, as it did before it read the stored one.
platform::TWallpaperStyle StoredWallpaperStyle() {
  platform::RegistryStore store(kProgramKey);
  try {
    return platform::WallpaperStyleFromIndex(
        store.ReadInteger(kSettingsSection, kDisplay, kOptionsDialogDefaults.display));
  } catch (const platform::ERegistryException&) {
    return platform::TWallpaperStyle::wsNone;
  }
}

}  // namespace settings
