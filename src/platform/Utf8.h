// Letters in UTF-8, the program's form of text beyond ASCII. Needs no Windows.
#pragma once

#include <cstddef>
#include <string>
#include <string_view>

namespace platform {

// The code point of the sequence `text` starts with, and its length; 0 for a byte that starts no
// whole, shortest sequence.
std::size_t DecodeUtf8(std::string_view text, char32_t& codePoint);
void AppendUtf8(char32_t codePoint, std::string& text);

}  // namespace platform
