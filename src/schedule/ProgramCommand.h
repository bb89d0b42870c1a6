// The program's command lines as Windows keeps them for it (the task, the desktop's menu, the
// start-up entry): the quoted path of the executable, then a switch. Needs no Windows.
#pragma once

#include <functional>
#include <string>
#include <string_view>

namespace schedule {

// The path in quotes, as a command line starts: "C:\Program Files\Vantoria\Vantoria.exe".
std::string QuotedProgram(std::string_view program);
// The quoted path, a space, and the switch.
std::string ProgramCommand(std::string_view program, std::string_view switchText);
// The icon of a menu entry: the program's first icon.
std::string ProgramIcon(std::string_view program);

// The program a command line starts, as Windows reads it: the text in its first quotes; unquoted,
// the shortest run of its words from the first that names a program that `exists` (".exe" added
// to a last word without an extension, as Windows adds it), else its first word. Empty for a
// command that names none. Environment strings are the caller's to expand.
std::string ProgramOfCommand(std::string_view command, const std::function<bool(const std::string&)>& exists);

}  // namespace schedule
