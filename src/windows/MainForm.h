// The main window: every user action of the program is one of its handlers.
#pragma once

#include <string>

#include "ui/Form.h"

namespace windows {

class TFormMain : public ui::TForm {
 public:
  TFormMain();

  void FormCreate();
  // The one-shot wallpaper change of a start-up run.
  void StartupRotation();
};

}  // namespace windows
