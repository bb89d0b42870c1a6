// The lines of the rotation's own text files: a header, lines of a word and its fields, and
// "end" with the number of lines before it, so that a file cut short is known. Needs no Windows.
#pragma once

#include <charconv>
#include <cstdint>
#include <string>
#include <string_view>

namespace rotation {

// Whether `text` starts with `prefix`; the rest after it in `rest`.
bool Holds(std::string_view text, std::string_view prefix, std::string_view& rest);
// Names cannot hold a line end (Windows refuses control characters in them); a text that does
// would break its line.
bool HasLineEnd(std::string_view text);
// 16 hexadecimal digits.
std::string Hexadecimal(std::uint64_t number);

// The whole of `text` as a number, nothing else.
template <typename Number>
bool ParseNumber(std::string_view text, Number& number, int base = 10) {
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number, base);
  return error == std::errc() && end == text.data() + text.size() && !text.empty();
}

// The lines of a text, each with its number; false when `read` refuses a line or the text does
// not end with "end" and the number of lines before it.
template <typename Read>
bool ReadLines(std::string_view text, Read read) {
  std::size_t lines = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    if (end == std::string_view::npos) return false;  // cut short
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end + 1);
    if (line.find('\r') != std::string_view::npos) return false;
    std::string_view rest;
    if (Holds(line, "end ", rest)) {
      std::size_t counted = 0;
      return text.empty() && ParseNumber(rest, counted) && counted == lines;
    }
    if (!read(lines++, line)) return false;
  }
  return false;
}

}  // namespace rotation
