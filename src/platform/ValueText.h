// The text forms of the values kept in the settings store, and of the desktop's colours.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace platform {

// Reads a signed 32-bit integer: leading spaces, an optional sign, then decimal digits, or
// hexadecimal digits after "$", "x", "X", "0x" or "0X". Anything else, no digits at all, or a
// value that does not fit gives nothing.
std::optional<std::int32_t> ParseInteger(std::string_view text);

std::int32_t IntegerOrDefault(std::string_view text, std::int32_t fallback);

// "-1" for -1: no leading zeros, no plus sign.
std::string IntegerText(std::int32_t value);
// "1" or "0".
std::string BooleanText(bool value);

// The text without the `blanks` it begins and ends with.
std::string_view Trimmed(std::string_view text, std::string_view blanks);

// A colour as Windows keeps the desktop's ("R G B": three numbers of 0 to 255 apart by blanks)
// as a colour value, red in the lowest byte; nothing for any other text.
std::optional<std::uint32_t> ParseRgbText(std::string_view text);

}  // namespace platform
