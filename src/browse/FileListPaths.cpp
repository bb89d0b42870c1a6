#include "browse/FileListPaths.h"

namespace browse {

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

std::string JoinPath(std::string_view folder, std::string_view name) {
  std::string path(folder);
  if (path.empty() || path.back() != '\\') path += '\\';
  path += name;
  return path;
}

AppliedPath SplitAppliedPath(std::string_view text, std::string_view currentDrive) {
  std::string_view root = currentDrive;
  std::string_view rest = text;
  bool explicitRoot = true;
  if (text.size() >= 2 && text[1] == ':') {
    root = text.substr(0, 2);
    rest.remove_prefix(2);
  } else if (text.substr(0, 2) == "\\\\") {
    // \\server\share
    size_t end = text.find('\\', 2);
    if (end != std::string_view::npos) end = text.find('\\', end + 1);
    if (end == std::string_view::npos) end = text.size();
    root = text.substr(0, end);
    rest.remove_prefix(end);
  } else {
    explicitRoot = false;
  }
  if (rest.size() > 1 && rest.back() == '\\') rest.remove_suffix(1);

  const size_t lastSeparator = rest.rfind('\\');
  if (lastSeparator == std::string_view::npos)
    return {explicitRoot ? std::string(root) : std::string(), std::string(rest)};
  const std::string_view folderPart = rest.substr(0, lastSeparator);
  std::string folder(root);
  folder.append(folderPart.empty() ? std::string_view("\\") : folderPart);
  return {std::move(folder), std::string(rest.substr(lastSeparator + 1))};
}

}  // namespace browse
