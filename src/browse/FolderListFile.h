// Where the selected-folder list is kept. Beside the executable, so that a copy on a stick
// carries its own list, or in the user's own copy. A list that cannot be saved beside the
// executable (Program Files, a read-only share) is saved as the user's own copy instead; when
// both exist, the one written last is the list. A file held for a moment by another program is
// waited for, never taken for a folder that refuses it.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace browse {

inline constexpr char kFolderListFileName[] = "Directory.drl";
// What the program says when it finds no list file.
inline constexpr char kFolderListMissing[] =
    "File \"Directory.drl\" not found. Cannot load Selected direcotories list!";

class TFolderListFile {
 public:
  // `userFolder`: the folder of the user's own copy, made when first written; empty when the
  // user has none.
  TFolderListFile(const std::string& programFolder, std::string userFolder);

  // Decides which file the list is in now: the one of the two written last (a file beside the
  // executable edited by hand, or saved by the program on another PC, is newer than the user's
  // own copy).
  void Locate();
  const std::string& Path() const { return path_; }

  // The entries of the file; none when it does not exist. Fails with "Cannot open file %s"; the
  // file is then kept as it is by Write until the list is edited.
  std::optional<std::vector<std::string>> Read();
  // The user added or removed an entry: from now on the list is theirs to save.
  void Edited() { unreadFileKept_ = false; }
  // Replaces the file's content with the file that was read. When the file beside the executable
  // cannot be created, the user's own copy is written and becomes the file; when that cannot be
  // created either, the error is the one of the file beside the executable.
  void Write(const std::vector<std::string>& entries);

 private:
  // Replaces the file at `path`, making the user's folder first when it goes there.
  void WriteTo(const std::string& path, const std::string& text);
  bool WroteUsersOwn(const std::string& text);

  std::string besideProgram_;
  std::string userFolder_;
  std::string usersOwn_;
  std::string path_;
  // The file exists but could not be read: what the window shows is not its content.
  bool unreadFileKept_ = false;
};

}  // namespace browse
