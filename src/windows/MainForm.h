// The main window: every user action of the program is one of its handlers.
#pragma once

#include <string>

#include "browse/FileListBox.h"
#include "browse/ShellTreeView.h"
#include "settings/OptionsD.h"
#include "ui/Bevel.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"

namespace windows {

class TFormMain : public ui::TForm {
 public:
  TFormMain();

  ui::TBevel Bevel1;
  ui::TImage Slika;
  ui::TLabel VisinaL;
  ui::TLabel DuzinaL;
  browse::TFileListBox FileLB;
  browse::TShellTreeView ShellTV;
  ui::TMainMenu Menu;

  // The dialogs the entry creates after this window.
  void ConnectDialogs(settings::TODialog& options);

  void FormCreate();
  // The tree's folder becomes the picture file list's.
  void ShellTVChange();
  // The picture-click routine: remembers the selected picture's path and previews it.
  void FileLBClick();
  void ClearPreview();
  void M_H_OptionsClick();

  const std::string& PicturePath() const { return picturePath_; }

  // The one-shot wallpaper change of a start-up run.
  void StartupRotation();

 private:
  std::string picturePath_;
  settings::TODialog* options_ = nullptr;
};

}  // namespace windows
