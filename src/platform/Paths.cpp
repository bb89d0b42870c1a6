#include "platform/Paths.h"

#include "platform/NameCase.h"
#include "platform/Utf8.h"

namespace platform {
namespace {

bool IsSeparator(char c) { return c == '\\' || c == '/'; }

// "C:\" and "\" are roots; "\\server\share\" is not a name of its own.
bool IsRoot(std::string_view path) {
  return path.size() == 1 || (path.size() == 3 && path[1] == ':');
}

}  // namespace

std::string ExtractFileDir(std::string_view path) {
  const size_t last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  size_t end = last + 1;
  const bool isSeparator = path[last] == '\\';
  if (isSeparator && last > 0 && path[last - 1] != '\\' && path[last - 1] != ':') end = last;
  return std::string(path.substr(0, end));
}

std::string PathKey(std::string_view path) {
  std::string key;
  key.reserve(path.size());
  while (!path.empty()) {
    char32_t codePoint = 0;
    const std::size_t length = DecodeUtf8(path, codePoint);
    if (length == 0) {
      key += path.front();
      path.remove_prefix(1);
      continue;
    }
    const bool separator = codePoint < 0x80 && IsSeparator(static_cast<char>(codePoint));
    // Letters beyond the Basic Multilingual Plane have no case in the table.
    const bool cased = codePoint < 0x10000;
    AppendUtf8(separator ? U'\\' : cased ? UpperCaseOfNameUnit(static_cast<char16_t>(codePoint)) : codePoint, key);
    path.remove_prefix(length);
  }
  while (key.size() > 1 && key.back() == '\\' && !IsRoot(key)) key.pop_back();
  return key;
}

bool SamePath(std::string_view first, std::string_view second) { return PathKey(first) == PathKey(second); }

}  // namespace platform
