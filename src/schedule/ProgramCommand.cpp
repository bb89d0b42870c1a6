#include "schedule/ProgramCommand.h"

namespace schedule {

std::string QuotedProgram(std::string_view program) {
  std::string quoted = "\"";
  quoted.append(program).push_back('"');
  return quoted;
}

std::string ProgramCommand(std::string_view program, std::string_view switchText) {
  return QuotedProgram(program) + " " + std::string(switchText);
}

std::string ProgramIcon(std::string_view program) { return QuotedProgram(program) + ",0"; }

std::optional<std::string> ProgramOfCommand(std::string_view command) {
  if (!command.starts_with('"')) return std::nullopt;
  const std::size_t end = command.find('"', 1);
  if (end == std::string_view::npos || end == 1) return std::nullopt;
  return std::string(command.substr(1, end - 1));
}

}  // namespace schedule
