// A hot key as NextKeys keeps it: the modifiers and the key's name, "Ctrl+Alt+N", in English
// whatever the user's language, so that the value reads the same on every PC. The hot key itself
// is as shortcuts and the hot-key field hold it: the virtual key in the low byte, the modifiers
// (HOTKEYF_SHIFT 1, HOTKEYF_CONTROL 2, HOTKEYF_ALT 4, HOTKEYF_EXT 8 for a key of the extended
// block) in the high one. Needs no Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

namespace settings {

// Empty for 0 (no hot key); a key without a name of its own is "#" and its number ("Ctrl+Alt+#233").
std::string HotKeyText(std::uint16_t hotKey);
// 0 for an empty text; nothing for a text that names no key, or one without Ctrl or Alt.
std::optional<std::uint16_t> HotKeyOfText(std::string_view text);

}  // namespace settings
