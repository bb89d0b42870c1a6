// The About dialog: the product, its maker and two links.
#pragma once

#include "controls/NpsUrl.h"
#include "ui/Button.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Panel.h"

namespace windows {

class TAboutDialog : public ui::TForm {
 public:
  TAboutDialog();

  ui::TPanel Panel1;
  ui::TImage ProgramIcon;
  ui::TLabel ProductName;
  ui::TLabel Copyright;
  controls::TNpsUrl NpsUrl;
  controls::TNpsUrl NpsUrl1;
  ui::TLabel Label1;
  ui::TButton OKButton;
};

}  // namespace windows
