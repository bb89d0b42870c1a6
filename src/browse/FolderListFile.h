// Where the selected-folder list is kept. Beside the executable, so that a copy on a stick
// carries its own list, unless the user's own copy exists. A list that cannot be saved beside the
// executable (Program Files, a read-only share) is saved as the user's own copy instead, and that
// copy is used from then on.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace browse {

inline constexpr char kFolderListFileName[] = "Directory.drl";

class TFolderListFile {
 public:
  // `userFolder`: the folder of the user's own copy, made when first written; empty when the
  // user has none.
  TFolderListFile(const std::string& programFolder, std::string userFolder);

  // Decides which file the list is in now: the user's own copy when it exists, else the one
  // beside the executable.
  void Locate();
  const std::string& Path() const { return path_; }

  // The entries of the file; none when it does not exist. Fails with "Cannot open file %s".
  std::optional<std::vector<std::string>> Read() const;
  // Replaces the file's content. When the file beside the executable cannot be created, the
  // user's own copy is written and becomes the file; when that cannot be created either, the
  // error is the one of the file beside the executable.
  void Write(const std::vector<std::string>& entries);

 private:
  bool WroteUsersOwn(const std::string& text);

  std::string besideProgram_;
  std::string userFolder_;
  std::string usersOwn_;
  std::string path_;
};

}  // namespace browse
