// The About dialog: the product, its maker and two links.
#pragma once

#include "ui/Form.h"

namespace windows {

class TAboutDialog : public ui::TForm {
 public:
  TAboutDialog();
};

}  // namespace windows
