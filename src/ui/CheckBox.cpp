#include "ui/CheckBox.h"

namespace ui {

TCheckBox::TCheckBox(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption)
    : TWinControl(std::move(name)) {
  CreateChild(parent, "BUTTON", WS_TABSTOP | BS_AUTOCHECKBOX, 0, bounds, caption);
}

bool TCheckBox::Checked() const { return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckBox::SetChecked(bool checked) {
  ::SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckBox::HandleCommand(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace ui
