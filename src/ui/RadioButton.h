// The standard radio button: of a group, one is checked; the arrow keys move between them.
#pragma once

#include <string>

#include "ui/CheckableButton.h"

namespace ui {

class TRadioButton : public TCheckableButton {
 public:
  // `firstOfGroup` starts a group: the buttons created after it belong to it up to the next first.
  TRadioButton(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption,
               bool firstOfGroup)
      : TCheckableButton(std::move(name), parent, bounds, caption,
                         BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0)) {}
};

}  // namespace ui
