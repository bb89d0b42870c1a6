// The program's command lines as Windows keeps them for it (the task, the desktop's menu, the
// start-up entry): the quoted path of the executable, then a switch. Needs no Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace schedule {

// The path in quotes, as a command line starts: "C:\Program Files\Vantoria\Vantoria.exe".
std::string QuotedProgram(std::string_view program);
// The quoted path, a space, and the switch.
std::string ProgramCommand(std::string_view program, std::string_view switchText);
// The icon of a menu entry: the program's first icon.
std::string ProgramIcon(std::string_view program);
// The program a command line runs: its first quoted text; nothing for a command without one.
std::optional<std::string> ProgramOfCommand(std::string_view command);

}  // namespace schedule
