// Facts about the running program: its path and its command line.
#pragma once

#include <string>

namespace platform {

// The executable's full path, however long.
std::string ExecutablePath();
// Whether the executable's path reaches the program's 8-bit texts unchanged: always with the
// UTF-8 code page of its manifest (Windows 10 version 1903 and later); on an older Windows, only
// when every letter of the path is one of the system's code page.
bool ExecutablePathSurvivesCodePage();
// The executable's folder, as ExtractFileDir gives it.
std::string ExecutableDirectory();
// Command-line argument `index` (0 is the program), or empty text when there is none.
std::string ParamStr(int index);

}  // namespace platform
