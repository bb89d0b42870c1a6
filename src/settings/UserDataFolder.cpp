#include "settings/UserDataFolder.h"

#include "platform/KnownFolders.h"

namespace settings {

std::string UserDataFolder() {
  const std::string localAppData = platform::LocalAppDataFolder();
  return localAppData.empty() ? std::string() : localAppData + "\\Vantoria";
}

}  // namespace settings
