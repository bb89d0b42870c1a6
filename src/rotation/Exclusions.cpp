#include "rotation/Exclusions.h"

#include <functional>

namespace rotation {
namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view Trimmed(std::string_view line) {
  const std::size_t first = line.find_first_not_of(" \t\r");
  if (first == std::string_view::npos) return {};
  return line.substr(first, line.find_last_not_of(" \t\r") - first + 1);
}

// "C:\..." or "\\server\share\...".
bool IsFullPath(std::string_view path) {
  const auto separator = [](char c) { return c == '\\' || c == '/'; };
  return (path.size() >= 3 && path[1] == ':' && separator(path[2])) ||
         (path.size() >= 3 && separator(path[0]) && separator(path[1]));
}

// The path as compared: backslashes, and the letters A to Z small (the file system folds more,
// but pictures' paths the user writes differ in these).
std::string KeyOf(std::string_view path) {
  std::string key(path);
  for (char& c : key) {
    if (c == '/') c = '\\';
    if (c >= 'A' && c <= 'Z') c = static_cast<char>(c - 'A' + 'a');
  }
  return key;
}

// Each line's text, without its line end, with whether it names a full path: its key then.
void ForEachLine(std::string_view text, const std::function<void(std::string_view line, const std::string& key)>& visit) {
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    const std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    const std::string_view path = Trimmed(line);
    visit(line, IsFullPath(path) ? KeyOf(path) : std::string());
  }
}

}  // namespace

TExclusions::TExclusions(std::string_view fileText) {
  ForEachLine(fileText, [this](std::string_view, const std::string& key) {
    if (!key.empty()) keys_.insert(key);
  });
}

bool TExclusions::Excludes(std::string_view path) const { return !keys_.empty() && keys_.contains(KeyOf(path)); }

std::string TextExcluding(std::string_view fileText, std::string_view path) {
  if (TExclusions(fileText).Excludes(path)) return std::string(fileText);
  // Lines end as the file's own do; a new file's as Notepad writes them.
  const std::string_view lineEnd = fileText.empty() || fileText.find("\r\n") != std::string_view::npos ? "\r\n" : "\n";
  std::string text(fileText);
  if (!text.empty() && text.back() != '\n') text += lineEnd;
  return (text += path) += lineEnd;
}

std::string TextNotExcluding(std::string_view fileText, std::string_view path) {
  const std::string removed = KeyOf(path);
  std::string text(fileText.starts_with(kByteOrderMark) ? kByteOrderMark : "");
  ForEachLine(fileText, [&](std::string_view line, const std::string& key) {
    if (key != removed) (text += line) += '\n';
  });
  return text;
}

}  // namespace rotation
