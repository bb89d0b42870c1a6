// What check boxes and radio buttons share: a check the user or the program sets, and the
// user's click.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TCheckableButton : public TWinControl {
 public:
  bool Checked() const;
  void SetChecked(bool checked);

  // The user clicked it (never raised by SetChecked).
  std::function<void()> OnClick;

 protected:
  // A standard button of `style` (BS_AUTOCHECKBOX, BS_AUTORADIOBUTTON, with WS_GROUP).
  TCheckableButton(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption,
                   DWORD style);
  void HandleCommand(WORD code) override;
};

}  // namespace ui
