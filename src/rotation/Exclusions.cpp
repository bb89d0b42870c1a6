#include "rotation/Exclusions.h"

#include <functional>

#include "platform/Paths.h"
#include "platform/Utf8.h"
#include "platform/ValueText.h"

namespace rotation {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

// "C:\..." or "\\server\share\...", perhaps in quotes.
std::string_view PathOfLine(std::string_view line) {
  std::string_view path = platform::Trimmed(line, " \t\r");
  if (path.size() >= 2 && path.front() == '"' && path.back() == '"') path = path.substr(1, path.size() - 2);
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  const bool full = (path.size() >= 3 && path[1] == ':' && separator(path[2])) ||
                    (path.size() >= 3 && separator(path[0]) && separator(path[1]));
  return full ? path : std::string_view();
}

// Each line's text, without its line end, with whether it names a full path: its key then.
void ForEachLine(std::string_view text,
                 const std::function<void(std::string_view line, const std::string& key)>& visit) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string_view path = PathOfLine(line);
    visit(line, path.empty() ? std::string() : platform::PathKey(path));
  }
}

// UTF-16 after its byte-order mark; a unit of a broken pair becomes U+FFFD.
std::string Utf8OfUtf16(std::span<const std::uint8_t> bytes, bool bigEndian) {
  std::string text(kByteOrderMark);
  const auto unit = [&](std::size_t i) -> char32_t {
    return bigEndian ? bytes[i] << 8 | bytes[i + 1] : bytes[i + 1] << 8 | bytes[i];
  };
  for (std::size_t i = 2; i + 1 < bytes.size(); i += 2) {
    char32_t codePoint = unit(i);
    if (codePoint >= 0xD800 && codePoint < 0xDC00 && i + 3 < bytes.size() && unit(i + 2) >= 0xDC00 &&
        unit(i + 2) < 0xE000) {
      codePoint = 0x10000 + ((codePoint - 0xD800) << 10) + (unit(i + 2) - 0xDC00);
      i += 2;
    } else if (codePoint >= 0xD800 && codePoint < 0xE000) {
      codePoint = 0xFFFD;
    }
    platform::AppendUtf8(codePoint, text);
  }
  return text;
}

}  // namespace

std::string ExclusionFileText(std::span<const std::uint8_t> bytes) {
  if (bytes.size() >= 2 && bytes[0] == 0xFF && bytes[1] == 0xFE) return Utf8OfUtf16(bytes, false);
  if (bytes.size() >= 2 && bytes[0] == 0xFE && bytes[1] == 0xFF) return Utf8OfUtf16(bytes, true);
  return std::string(bytes.begin(), bytes.end());
}

TExclusions::TExclusions(std::string_view fileText) {
  ForEachLine(fileText, [this](std::string_view, const std::string& key) {
    if (!key.empty()) keys_.insert(key);
  });
}

bool TExclusions::Excludes(std::string_view path) const {
  return !keys_.empty() && keys_.contains(platform::PathKey(path));
}

std::string TextExcluding(std::string_view fileText, std::string_view path) {
  if (TExclusions(fileText).Excludes(path)) return std::string(fileText);
  // Lines end as the file's own do; a new file's as Notepad writes them.
  const std::string_view lineEnd = fileText.empty() || fileText.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  std::string text(fileText);
  if (!text.empty() && text.back() != '\n') text += lineEnd;
  return (text += path) += lineEnd;
}

std::string TextNotExcluding(std::string_view fileText, std::string_view path) {
  const std::string removed = platform::PathKey(path);
  std::string text(fileText.starts_with(kByteOrderMark) ? kByteOrderMark : "");
  ForEachLine(fileText, [&](std::string_view line, const std::string& key) {
    if (key != removed) (text += line) += '\n';
  });
  return text;
}

}  // namespace rotation
