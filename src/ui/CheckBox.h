// The standard check box, checked and unchecked by the user.
#pragma once

#include <string>

#include "ui/CheckableButton.h"

namespace ui {

class TCheckBox : public TCheckableButton {
 public:
  TCheckBox(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption)
      : TCheckableButton(std::move(name), parent, bounds, caption, BS_AUTOCHECKBOX) {}
};

}  // namespace ui
