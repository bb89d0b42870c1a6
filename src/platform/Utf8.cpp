#include "platform/Utf8.h"

namespace platform {

std::size_t DecodeUtf8(std::string_view text, char32_t& codePoint) {
  if (text.empty()) return 0;
  const auto byte = [&](std::size_t i) { return static_cast<unsigned char>(text[i]); };
  const unsigned char lead = byte(0);
  const std::size_t length = lead < 0x80   ? 1
                             : lead < 0xC2 ? 0
                             : lead < 0xE0 ? 2
                             : lead < 0xF0 ? 3
                             : lead < 0xF5 ? 4
                                           : 0;
  if (length == 0 || length > text.size()) return 0;
  codePoint = length == 1 ? lead : lead & (0x7F >> length);
  for (std::size_t i = 1; i < length; ++i) {
    if ((byte(i) & 0xC0) != 0x80) return 0;
    codePoint = codePoint << 6 | (byte(i) & 0x3F);
  }
  constexpr char32_t kShortest[] = {0, 0, 0x80, 0x800, 0x10000};
  const bool surrogate = codePoint >= 0xD800 && codePoint < 0xE000;
  return codePoint < kShortest[length] || surrogate || codePoint > 0x10FFFF ? 0 : length;
}

void AppendUtf8(char32_t codePoint, std::string& text) {
  if (codePoint < 0x80) {
    text += static_cast<char>(codePoint);
    return;
  }
  const int continuations = codePoint < 0x800 ? 1 : codePoint < 0x10000 ? 2 : 3;
  text += static_cast<char>((0xFF00 >> (continuations + 1)) | codePoint >> (6 * continuations));
  for (int shift = 6 * (continuations - 1); shift >= 0; shift -= 6)
    text += static_cast<char>(0x80 | (codePoint >> shift & 0x3F));
}

}  // namespace platform
