#include "rotation/FolderIndex.h"

#include "rotation/StateLines.h"

namespace rotation {
namespace {

constexpr std::string_view kHeader = "Vantoria rotation folders 1";

// "01DB5A8C3F1E2D00 C:\Pictures"
bool ParseFolder(std::string_view text, IndexedFolder& folder) {
  if (text.size() < 18 || text[16] != ' ') return false;
  folder.path = text.substr(17);
  return ParseNumber(text.substr(0, 16), folder.written, 16);
}

// "*.jpg;|C:\Pictures"
bool ParseSelected(std::string_view text, SelectedFolder& selected) {
  const std::size_t bar = text.find('|');
  if (bar == std::string_view::npos || bar + 1 == text.size()) return false;
  selected = {std::string(text.substr(bar + 1)), std::string(text.substr(0, bar))};
  return true;
}

}  // namespace

std::string FolderIndexText(const FolderIndex& index) {
  std::string text = std::string(kHeader) + "\ndeck " + Hexadecimal(index.generation) + "\nsubfolders " +
                     (index.subfolders ? "1" : "0") + "\n";
  std::size_t lines = 3;
  for (const SelectedFolder& selected : index.selected) {
    if (HasLineEnd(selected.folder) || HasLineEnd(selected.mask) || selected.mask.find('|') != std::string::npos)
      continue;
    text += "selected " + selected.mask + "|" + selected.folder + "\n";
    ++lines;
  }
  for (const IndexedFolder& folder : index.folders) {
    if (HasLineEnd(folder.path)) continue;
    text += "folder " + Hexadecimal(folder.written) + " " + folder.path + "\n";
    ++lines;
  }
  return text + "end " + std::to_string(lines) + "\n";
}

std::optional<FolderIndex> ParseFolderIndex(std::string_view text) {
  FolderIndex index;
  const bool whole = ReadLines(text, [&](std::size_t number, std::string_view line) {
    std::string_view rest;
    switch (number) {
      case 0: return line == kHeader;
      case 1: return Holds(line, "deck ", rest) && rest.size() == 16 && ParseNumber(rest, index.generation, 16);
      case 2:
        return (line == "subfolders 1" || line == "subfolders 0") && (index.subfolders = line.back() == '1', true);
      default: break;
    }
    if (Holds(line, "folder ", rest)) return ParseFolder(rest, index.folders.emplace_back());
    return Holds(line, "selected ", rest) && index.folders.empty() &&
           ParseSelected(rest, index.selected.emplace_back());
  });
  return whole ? std::optional(std::move(index)) : std::nullopt;
}

}  // namespace rotation
