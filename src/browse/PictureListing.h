// What the picture file list lists, without the list: a folder and a mask, what a text applied to
// the list makes of them, and the names they give, sorted by name ignoring case as the list shows
// them and as the rotation counts them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace browse {

inline constexpr char kPictureMask[] = "*.jpg;*.jpeg;*.bmp;";

// The pictures' mask with the patterns of more kinds of picture, by extension ("png"...).
std::string PictureMask(const std::vector<std::string>& moreKinds);

// One look at a folder: the names of its files that a pattern of `mask` matches ("*.jpg;*.png;"),
// by their names or their short 8.3 aliases, hidden and system files left out; and its
// subfolders, but hidden and system ones and reparse points (junctions and links, which may lead
// back up); both in the folder's own order. Nothing for a folder that cannot be read.
struct FolderEntries {
  std::vector<std::string> pictures;
  std::vector<std::uint64_t> picturesWritten;  // each picture file's last-write time
  std::vector<std::string> subfolders;
};
std::optional<FolderEntries> ReadFolder(const std::string& folder, const std::string& mask);
// Names as the picture list sorts them (by name ignoring case, in the user's locale), and as the
// rotation counts them in order.
void SortAsTheListSorts(std::vector<std::string>& names);

// What a selected-folder entry names from its own text alone, for a run without the window: the
// folder of a full path and the wildcard pattern it ends in (empty: the picture list's mask); a
// file names its folder. Nothing for a relative or empty text, which names no place of its own.
struct EntryPlace {
  std::string folder;
  std::string pattern;
};
std::optional<EntryPlace> PlaceOfEntry(const std::string& text);

class TPictureListing {
 public:
  // Listing nothing yet, in the process's current directory.
  TPictureListing();

  const std::string& Directory() const { return directory_; }
  const std::string& Mask() const { return mask_; }
  // The mask it lists with: the default one with the more kinds' patterns.
  const std::string& ListedMask() const { return mask_ == kPictureMask ? pictureMask_ : mask_; }
  const std::vector<std::string>& Names() const { return names_; }
  // The position of a name, ignoring case; -1 when it is not listed.
  int IndexOfName(const std::string& name) const;

  // Where a text points the listing, taken from within the listed folder: the folder it lists
  // then (this one when the text's cannot be entered), and the wildcard pattern or the file the
  // text names, if it does.
  struct Target {
    std::string directory;
    bool otherFolder = false;  // the text names another folder, even one that cannot be entered
    std::string pattern;
    std::string file;
  };
  Target Resolve(const std::string& text) const;

  // What applying a text did: whether the names were listed again, and the name to select (its
  // position, -1 for none) when the text named a file.
  struct Applied {
    bool listedAgain = false;
    std::optional<int> select;
  };
  // Points the listing at the folder a text names (a folder, a wildcard pattern in a folder, or a
  // file), taken from within the listed folder; a folder that cannot be entered leaves it on its
  // folder. A text that names `selectedFile` again changes nothing.
  Applied Apply(const std::string& text, const std::string& selectedFile);
  // Kinds of picture the default mask lists too, by extension ("png"...); a mask the user typed
  // stays as typed. True when the names were listed again.
  bool SetMorePictureKinds(const std::vector<std::string>& extensions);

 private:
  void ListAgain();

  std::string directory_;
  std::string mask_ = kPictureMask;
  std::string pictureMask_ = kPictureMask;  // the default mask with the more kinds' patterns
  std::vector<std::string> names_;
};

}  // namespace browse
