// Facts about the running program: its path and its command line.
#pragma once

#include <string>

namespace platform {

// The executable's full path, however long.
std::string ExecutablePath();
// The executable's folder, as ExtractFileDir gives it.
std::string ExecutableDirectory();
// Command-line argument `index` (0 is the program), or empty text when there is none.
std::string ParamStr(int index);

}  // namespace platform
