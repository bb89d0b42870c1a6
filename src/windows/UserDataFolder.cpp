#include "windows/UserDataFolder.h"

#include "platform/KnownFolders.h"

namespace windows {

std::string UserDataFolder() {
  const std::string localAppData = platform::LocalAppDataFolder();
  return localAppData.empty() ? std::string() : localAppData + "\\Vantoria";
}

}  // namespace windows
