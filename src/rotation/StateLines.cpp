#include "rotation/StateLines.h"

namespace rotation {

bool Holds(std::string_view text, std::string_view prefix, std::string_view& rest) {
  if (!text.starts_with(prefix)) return false;
  rest = text.substr(prefix.size());
  return true;
}

bool HasLineEnd(std::string_view text) { return text.find_first_of("\r\n") != std::string_view::npos; }

std::string Hexadecimal(std::uint64_t number) {
  char digits[17];
  char* end = std::to_chars(digits, digits + 16, number, 16).ptr;
  return std::string(16 - (end - digits), '0') + std::string(digits, end);
}

}  // namespace rotation
