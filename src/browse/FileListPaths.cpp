#include "browse/FileListPaths.h"

namespace browse {
namespace {

bool HasDrive(std::string_view path) { return path.size() >= 2 && path[1] == ':'; }

// Windows takes a forward slash for a backslash in a path.
bool IsSeparator(char c) { return c == '\\' || c == '/'; }
bool StartsWithSeparator(std::string_view path) { return !path.empty() && IsSeparator(path[0]); }
// "\\server", or "//server".
bool IsShare(std::string_view path) { return path.size() >= 2 && IsSeparator(path[0]) && IsSeparator(path[1]); }

bool SameDrive(char a, char b) { return (a | 0x20) == (b | 0x20); }

// "C:" of "C:\Pictures", "\\server\share" of "\\server\share\photos".
std::string_view RootOf(std::string_view folder) {
  if (HasDrive(folder)) return folder.substr(0, 2);
  if (!IsShare(folder)) return {};
  size_t end = folder.find_first_of("\\/", 2);
  if (end != std::string_view::npos) end = folder.find_first_of("\\/", end + 1);
  return folder.substr(0, end);
}

std::string Inside(std::string_view folder, std::string_view relative) {
  return relative.empty() ? std::string(folder) : JoinPath(folder, relative);
}

}  // namespace

std::vector<std::string> SplitMask(std::string_view mask) {
  std::vector<std::string> patterns;
  for (;;) {
    const size_t separator = mask.find(';');
    patterns.emplace_back(mask.substr(0, separator));
    if (separator == std::string_view::npos) return patterns;
    mask.remove_prefix(separator + 1);
  }
}

bool HasWildcard(std::string_view text) { return text.find_first_of("*?") != std::string_view::npos; }

bool IsFullPath(std::string_view text) {
  return IsShare(text) || (HasDrive(text) && StartsWithSeparator(text.substr(2)));
}

namespace {

char Folded(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The length of the UTF-8 character that starts with `lead`; one for a byte that starts none.
std::size_t CharacterLength(unsigned char lead) { return lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1; }

}  // namespace

// Matched left to right; a "*" is taken back and tried one character further when the rest fails.
bool MatchesPattern(std::string_view name, std::string_view pattern) {
  if (pattern.ends_with(".*") && name.find('.') == std::string_view::npos &&
      MatchesPattern(name, pattern.substr(0, pattern.size() - 2)))
    return true;
  std::size_t n = 0, p = 0, starAt = std::string_view::npos, resumeAt = 0;
  while (n < name.size()) {
    if (p < pattern.size() && pattern[p] == '*') {
      starAt = p++;
      resumeAt = n;
    } else if (p < pattern.size() && pattern[p] == '?') {
      ++p;
      n += CharacterLength(static_cast<unsigned char>(name[n]));
    } else if (p < pattern.size() && Folded(pattern[p]) == Folded(name[n])) {
      ++p;
      ++n;
    } else if (starAt != std::string_view::npos) {
      p = starAt + 1;
      n = resumeAt += CharacterLength(static_cast<unsigned char>(name[resumeAt]));
    } else {
      return false;
    }
  }
  while (p < pattern.size() && pattern[p] == '*') ++p;
  return p == pattern.size() && n == name.size();
}

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

std::string ResolvedAgainst(std::string_view folder, std::string_view path) {
  if (IsShare(path)) return std::string(path);
  if (HasDrive(path)) {
    const std::string_view rest = path.substr(2);
    if (StartsWithSeparator(rest)) return std::string(path);
    if (HasDrive(folder) && SameDrive(folder[0], path[0])) return Inside(folder, rest);
    return std::string(path.substr(0, 2)) + "\\" + std::string(rest);
  }
  if (StartsWithSeparator(path)) return std::string(RootOf(folder)) + std::string(path);
  return Inside(folder, path);
}

AppliedPath SplitAppliedPath(std::string_view text, std::string_view currentDrive) {
  std::string_view root = currentDrive;
  std::string_view rest = text;
  bool explicitRoot = true;
  if (HasDrive(text)) {
    root = text.substr(0, 2);
    rest.remove_prefix(2);
  } else if (IsShare(text)) {
    root = RootOf(text);
    rest.remove_prefix(root.size());
  } else {
    explicitRoot = false;
  }
  if (rest.size() > 1 && IsSeparator(rest.back())) rest.remove_suffix(1);

  const size_t lastSeparator = rest.find_last_of("\\/");
  if (lastSeparator == std::string_view::npos)
    return {explicitRoot ? std::string(root) : std::string(), std::string(rest)};
  const std::string_view folderPart = rest.substr(0, lastSeparator);
  std::string folder(root);
  folder.append(folderPart.empty() ? std::string_view("\\") : folderPart);
  return {std::move(folder), std::string(rest.substr(lastSeparator + 1))};
}

}  // namespace browse
