// The picture file list: the names of the files of one folder that match its mask, sorted by
// name ignoring case, as the start-up rotation counts them.
#pragma once

#include <string>
#include <vector>

#include "ui/ListBox.h"

namespace browse {

inline constexpr char kPictureMask[] = "*.jpg;*.jpeg;*.bmp;";

class TFileListBox : public ui::TListBox {
 public:
  TFileListBox(std::string name, ui::TWinControl& parent, const ui::DesignRect& bounds);

  const std::string& Directory() const { return directory_; }
  const std::string& Mask() const { return mask_; }
  // The folder and the selected name; empty when nothing is selected.
  std::string FileName() const;

  // Points the list at the folder a text names (a folder, a wildcard pattern in a folder, or a
  // file to select). A folder that cannot be entered leaves the list on its folder.
  void ApplyFilePath(const std::string& text);
  // Kinds of picture the default mask lists too, by extension ("png"...); a mask the user typed
  // stays as typed.
  void SetMorePictureKinds(const std::vector<std::string>& extensions);

 private:
  void Refill();
  int IndexOfName(const std::string& name) const;

  std::string directory_;
  std::string mask_ = kPictureMask;
  std::string morePatterns_;  // "*.png;*.gif;"...
};

}  // namespace browse
