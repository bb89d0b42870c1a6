// What a change compares the folders with before it reads the deck's state: the selected folders
// the state was made for, and the last-write time of every folder it keeps. When nothing differs,
// the state holds what the folders hold, and need not be read. Kept beside the state, as text:
//
//   Vantoria rotation folders 1
//   deck 5F3A9C0E12D4B877
//   subfolders 1
//   selected *.jpg;*.jpeg;*.bmp;|C:\Pictures
//   folder 01DB5A8C3F1E2D00 C:\Pictures
//   end 5
//
// "deck" gives the state's generation. Needs no Windows.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotation {

// A selected folder as the rotation lists it: the entry's folder, and the mask of its pictures.
struct SelectedFolder {
  std::string folder;
  std::string mask;
  bool operator==(const SelectedFolder& other) const = default;
};

struct IndexedFolder {
  std::uint64_t written = 0;
  std::string path;
  bool operator==(const IndexedFolder& other) const = default;
};

struct FolderIndex {
  std::uint64_t generation = 0;
  bool subfolders = false;
  std::vector<SelectedFolder> selected;
  std::vector<IndexedFolder> folders;
  bool operator==(const FolderIndex& other) const = default;
};

std::string FolderIndexText(const FolderIndex& index);
// Nothing for a text that is not a whole index.
std::optional<FolderIndex> ParseFolderIndex(std::string_view text);

}  // namespace rotation
