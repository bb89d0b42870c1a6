// The standard radio button: of a group, one is checked; the arrow keys move between them.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TRadioButton : public TWinControl {
 public:
  // `firstOfGroup` starts a group: the buttons created after it belong to it up to the next first.
  TRadioButton(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption,
               bool firstOfGroup);

  bool Checked() const;
  void SetChecked(bool checked);

  // The user checked it (never raised by SetChecked).
  std::function<void()> OnClick;

 protected:
  void HandleCommand(WORD code) override;
};

}  // namespace ui
