#include "browse/FolderListText.h"

namespace browse {

std::vector<std::string> ParseFolderList(std::string_view text) {
  text = text.substr(0, text.find('\0'));
  std::vector<std::string> entries;
  size_t start = 0;
  for (size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\r' && text[i] != '\n') continue;
    entries.emplace_back(text.substr(start, i - start));
    if (text[i] == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
    start = i + 1;
  }
  if (start < text.size()) entries.emplace_back(text.substr(start));
  return entries;
}

std::string FolderListText(const std::vector<std::string>& entries) {
  std::string text;
  for (const std::string& entry : entries) {
    text += entry;
    text += "\r\n";
  }
  return text;
}

}  // namespace browse
