#include "ui/RadioButton.h"

namespace ui {

TRadioButton::TRadioButton(std::string name, TWinControl& parent, const DesignRect& bounds,
                           const std::string& caption, bool firstOfGroup)
    : TWinControl(std::move(name)) {
  CreateChild(parent, "BUTTON", WS_TABSTOP | BS_AUTORADIOBUTTON | (firstOfGroup ? WS_GROUP : 0), 0, bounds, caption);
}

bool TRadioButton::Checked() const { return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TRadioButton::SetChecked(bool checked) {
  ::SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TRadioButton::HandleCommand(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace ui
