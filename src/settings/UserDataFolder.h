// The folder of the user's own copies of what the program writes ("%LOCALAPPDATA%\Vantoria"),
// for when the program's folder or the Windows folder cannot take them: on Windows 10 and 11 a
// standard user cannot create files in Program Files or the Windows folder, and the writes of a
// 64-bit or manifested program are not redirected.
#pragma once

#include <string>

namespace settings {

// Not made here: whoever writes there first makes it. Empty when the system gives the user no
// local application data folder.
std::string UserDataFolder();

}  // namespace settings
