// The standard check box, checked and unchecked by the user.
#pragma once

#include <functional>
#include <string>

#include "ui/WinControl.h"

namespace ui {

class TCheckBox : public TWinControl {
 public:
  TCheckBox(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption);

  bool Checked() const;
  void SetChecked(bool checked);

  // The user checked or unchecked it (never raised by SetChecked).
  std::function<void()> OnClick;

 protected:
  void HandleCommand(WORD code) override;
};

}  // namespace ui
