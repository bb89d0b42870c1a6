// Folders the system keeps for the current user.
#pragma once

#include <string>

namespace platform {

// The user's local application data folder ("C:\Users\NAME\AppData\Local"), made if missing;
// empty when the system gives none.
std::string LocalAppDataFolder();

}  // namespace platform
