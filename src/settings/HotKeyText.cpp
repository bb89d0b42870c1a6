#include "settings/HotKeyText.h"

#include <algorithm>
#include <iterator>
#include <utility>

#include "platform/ValueText.h"
#include <charconv>

namespace settings {
namespace {

constexpr std::uint8_t kShift = 0x01, kControl = 0x02, kAlt = 0x04, kExtended = 0x08;

struct KeyName {
  std::uint8_t key;
  const char* name;
  bool extended;  // the hot-key field marks keys of the extended block
};
constexpr KeyName kNamedKeys[] = {
    {0x08, "Backspace", false}, {0x09, "Tab", false},       {0x0D, "Enter", false},
    {0x13, "Pause", false},            {0x20, "Space", false},     {0x21, "Page Up", true},
    {0x22, "Page Down", true},         {0x23, "End", true},        {0x24, "Home", true},
    {0x25, "Left", true},              {0x26, "Up", true},         {0x27, "Right", true},
    {0x28, "Down", true},              {0x2D, "Insert", true},     {0x2E, "Delete", true},
    {0x6A, "Num *", false},            {0x6B, "Num +", false},     {0x6D, "Num -", false},
    {0x6E, "Num .", false},            {0x6F, "Num /", true},      {0x91, "Scroll Lock", false},
    {0xBA, ";", false},                {0xBB, "=", false},         {0xBC, ",", false},
    {0xBD, "-", false},                {0xBE, ".", false},         {0xBF, "/", false},
    {0xC0, "`", false},                {0xDB, "[", false},         {0xDC, "\\", false},
    {0xDD, "]", false},                {0xDE, "'", false},
};
constexpr std::pair<std::uint8_t, const char*> kModifiers[] = {{kControl, "Ctrl"}, {kShift, "Shift"}, {kAlt, "Alt"}};

std::string KeyNameOf(std::uint8_t key) {
  if ((key >= '0' && key <= '9') || (key >= 'A' && key <= 'Z')) return std::string(1, static_cast<char>(key));
  if (key >= 0x60 && key <= 0x69) return "Num " + std::to_string(key - 0x60);
  if (key >= 0x70 && key <= 0x87) return "F" + std::to_string(key - 0x70 + 1);
  const auto* named = std::ranges::find(kNamedKeys, key, &KeyName::key);
  return named != std::end(kNamedKeys) ? named->name : "#" + std::to_string(key);
}

bool SameText(std::string_view a, std::string_view b) {
  return std::ranges::equal(a, b, [](char x, char y) {
    return (x >= 'a' && x <= 'z' ? x - 'a' + 'A' : x) == (y >= 'a' && y <= 'z' ? y - 'a' + 'A' : y);
  });
}

std::string_view Trimmed(std::string_view text) { return platform::Trimmed(text, " "); }

// The key a name gives, with the extended mark of its block; nothing for no key.
std::optional<std::uint16_t> KeyOfName(std::string_view name) {
  if (name.size() > 1 && name.front() == '#') {
    unsigned number = 0;
    const auto [end, error] = std::from_chars(name.data() + 1, name.data() + name.size(), number);
    if (error != std::errc() || end != name.data() + name.size() || number == 0 || number > 0xFF) return std::nullopt;
    return static_cast<std::uint16_t>(number);
  }
  for (unsigned key = 1; key <= 0xFF; ++key)
    if (SameText(KeyNameOf(static_cast<std::uint8_t>(key)), name)) {
      const auto* named = std::ranges::find(kNamedKeys, key, &KeyName::key);
      const bool extended = named != std::end(kNamedKeys) && named->extended;
      return static_cast<std::uint16_t>(key | (extended ? kExtended << 8 : 0));
    }
  return std::nullopt;
}

}  // namespace

std::string HotKeyText(std::uint16_t hotKey) {
  if (hotKey == 0) return "";
  const auto modifiers = static_cast<std::uint8_t>(hotKey >> 8);
  std::string text;
  for (const auto& [flag, name] : kModifiers)
    if (modifiers & flag) text += std::string(name) + "+";
  return text + KeyNameOf(static_cast<std::uint8_t>(hotKey & 0xFF));
}

std::optional<std::uint16_t> HotKeyOfText(std::string_view text) {
  text = Trimmed(text);
  if (text.empty()) return 0;
  std::uint8_t modifiers = 0;
  // Modifiers up to the first part that is none: the key's name, which may hold a plus ("Num +").
  std::size_t start = 0;
  for (std::size_t plus = text.find('+'); plus != std::string_view::npos; plus = text.find('+', start)) {
    const std::string_view part = Trimmed(text.substr(start, plus - start));
    const auto* modifier =
        std::ranges::find_if(kModifiers, [&](const auto& entry) { return SameText(entry.second, part); });
    if (modifier == std::end(kModifiers)) break;
    modifiers |= modifier->first;
    start = plus + 1;
  }
  const std::optional<std::uint16_t> key = KeyOfName(Trimmed(text.substr(start)));
  if (!key || !(modifiers & (kControl | kAlt))) return std::nullopt;
  return static_cast<std::uint16_t>(*key | modifiers << 8);
}

}  // namespace settings
