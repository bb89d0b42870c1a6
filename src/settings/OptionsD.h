// The options dialog: display style, random order and the once-a-day start-up change. What its
// Display box shows is the style the wallpaper takes, confirmed or not.
#pragma once

#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/Label.h"

namespace settings {

class TODialog : public ui::TForm {
 public:
  TODialog();

  ui::TLabel DisplayL;
  ui::TComboBox DisplayCB;
  ui::TCheckBox RndChkB;
  ui::TButton OKB;
  ui::TButton CancelB;
  ui::TCheckBox ChangeWPCB;

  // Loads the controls from the settings store.
  void FormActivate();
  // Stores the controls' values and closes.
  void OKBClick();
  void CancelBClick();

  // The Display box's selection: 0 Tile, 1 Center, 2 Stretch, -1 none.
  int CurrentDisplaySelection() const { return DisplayCB.ItemIndex(); }
};

}  // namespace settings
