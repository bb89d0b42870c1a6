// The main window: every user action of the program is one of its handlers.
#pragma once

#include <string>

#include "browse/FileListBox.h"
#include "browse/ShellTreeView.h"
#include "ui/Form.h"

namespace windows {

class TFormMain : public ui::TForm {
 public:
  TFormMain();

  browse::TShellTreeView ShellTV;
  browse::TFileListBox FileLB;

  void FormCreate();
  // The tree's folder becomes the picture file list's.
  void ShellTVChange();
  // The one-shot wallpaper change of a start-up run.
  void StartupRotation();
};

}  // namespace windows
