// The picture file list: the names of the files of one folder that match its mask, sorted by
// name ignoring case, as the rotation counts them (browse/PictureListing.h lists them).
#pragma once

#include <string>
#include <vector>

#include "browse/PictureListing.h"
#include "ui/ListBox.h"

namespace browse {

class TFileListBox : public ui::TListBox {
 public:
  TFileListBox(std::string name, ui::TWinControl& parent, const ui::DesignRect& bounds);

  const std::string& Directory() const { return listing_.Directory(); }
  const std::string& Mask() const { return listing_.Mask(); }
  // The folder and the selected name; empty when nothing is selected.
  std::string FileName() const;

  // Points the list at the folder a text names (a folder, a wildcard pattern in a folder, or a
  // file to select). A folder that cannot be entered leaves the list on its folder.
  void ApplyFilePath(const std::string& text);
  // Kinds of picture the default mask lists too, by extension ("png"...); a mask the user typed
  // stays as typed.
  void SetMorePictureKinds(const std::vector<std::string>& extensions);

 private:
  // Shows the listing's names, in its order.
  void ShowNames();

  TPictureListing listing_;
};

}  // namespace browse
