#include "platform/ValueText.h"

namespace platform {
namespace {

int DigitValue(char c, bool hexadecimal) {
  if (c >= '0' && c <= '9') return c - '0';
  if (!hexadecimal) return -1;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

}  // namespace

std::string_view Trimmed(std::string_view text, std::string_view blanks) {
  const std::size_t first = text.find_first_not_of(blanks);
  if (first == std::string_view::npos) return {};
  return text.substr(first, text.find_last_not_of(blanks) - first + 1);
}

std::optional<std::int32_t> ParseInteger(std::string_view text) {
  size_t i = 0;
  while (i < text.size() && text[i] == ' ') ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
  bool hexadecimal = false;
  if (i < text.size() && (text[i] == '$' || text[i] == 'x' || text[i] == 'X')) {
    hexadecimal = true;
    ++i;
  } else if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
    hexadecimal = true;
    i += 2;
  }
  if (i == text.size()) return std::nullopt;

  // Decimal values must fit the signed range; hexadecimal ones fill all 32 bits, as "$FFFFFFFF"
  // is -1.
  const std::uint64_t limit = hexadecimal ? 0xFFFFFFFFull : (negative ? 0x80000000ull : 0x7FFFFFFFull);
  const unsigned base = hexadecimal ? 16 : 10;
  std::uint64_t magnitude = 0;
  for (; i < text.size(); ++i) {
    const int digit = DigitValue(text[i], hexadecimal);
    if (digit < 0) return std::nullopt;
    magnitude = magnitude * base + static_cast<unsigned>(digit);
    if (magnitude > limit) return std::nullopt;
  }
  const auto bits = static_cast<std::uint32_t>(magnitude);
  return static_cast<std::int32_t>(negative ? 0u - bits : bits);
}

std::int32_t IntegerOrDefault(std::string_view text, std::int32_t fallback) {
  return ParseInteger(text).value_or(fallback);
}

std::string IntegerText(std::int32_t value) { return std::to_string(value); }

std::string BooleanText(bool value) { return value ? "1" : "0"; }

std::optional<std::uint32_t> ParseRgbText(std::string_view text) {
  std::uint32_t colour = 0;
  for (int component = 0; component < 3; ++component) {
    while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
    std::uint32_t value = 0;
    size_t digits = 0;
    for (; digits < text.size() && digits < 4 && text[digits] >= '0' && text[digits] <= '9'; ++digits)
      value = value * 10 + static_cast<std::uint32_t>(text[digits] - '0');
    if (digits == 0 || value > 255) return std::nullopt;
    text.remove_prefix(digits);
    colour |= value << (8 * component);
  }
  while (!text.empty() && text.front() == ' ') text.remove_prefix(1);
  if (!text.empty()) return std::nullopt;
  return colour;
}

}  // namespace platform
