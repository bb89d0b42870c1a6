#include "schedule/ProgramCommand.h"

namespace schedule {
namespace {

constexpr std::string_view kBlanks = " \t";

bool HasExtension(std::string_view path) {
  const std::size_t dot = path.rfind('.');
  return dot != std::string_view::npos && path.find_first_of("\\/", dot) == std::string_view::npos;
}

}  // namespace

std::string QuotedProgram(std::string_view program) {
  std::string quoted = "\"";
  quoted.append(program).push_back('"');
  return quoted;
}

std::string ProgramCommand(std::string_view program, std::string_view switchText) {
  return QuotedProgram(program) + " " + std::string(switchText);
}

std::string ProgramIcon(std::string_view program) { return QuotedProgram(program) + ",0"; }

std::string ProgramOfCommand(std::string_view command, const std::function<bool(const std::string&)>& exists) {
  const std::size_t first = command.find_first_not_of(kBlanks);
  if (first == std::string_view::npos) return {};
  command.remove_prefix(first);
  if (command.front() == '"') return std::string(command.substr(1, command.find('"', 1) - 1));
  for (std::size_t end = command.find_first_of(kBlanks);; end = command.find_first_of(kBlanks, end + 1)) {
    std::string candidate(command.substr(0, end));
    if (!HasExtension(candidate)) candidate += ".exe";
    if (exists(candidate)) return candidate;
    if (end == std::string_view::npos) break;
  }
  return std::string(command.substr(0, command.find_first_of(kBlanks)));
}

}  // namespace schedule
