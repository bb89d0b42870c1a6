// Folders the system keeps for the current user.
#pragma once

#include <string>
#include <vector>

namespace platform {

// The user's local application data folder ("C:\Users\NAME\AppData\Local"), made if missing;
// empty when the system gives none.
std::string LocalAppDataFolder();
// The user's Start menu programs folder, made if missing; empty when the system gives none.
std::string UserProgramsFolder();
// Where Explorer looks for shortcuts with hot keys: the Start menu's programs, the user's and
// everyone's, and the desktop, the user's and everyone's; those the system gives.
std::vector<std::string> HotKeyShortcutFolders();

}  // namespace platform
