#include "ui/CheckableButton.h"

namespace ui {

TCheckableButton::TCheckableButton(std::string name, TWinControl& parent, const DesignRect& bounds,
                                   const std::string& caption, DWORD style)
    : TWinControl(std::move(name)) {
  CreateChild(parent, "BUTTON", WS_TABSTOP | style, 0, bounds, caption);
}

bool TCheckableButton::Checked() const { return ::SendMessageA(Handle(), BM_GETCHECK, 0, 0) == BST_CHECKED; }

void TCheckableButton::SetChecked(bool checked) {
  ::SendMessageA(Handle(), BM_SETCHECK, checked ? BST_CHECKED : BST_UNCHECKED, 0);
}

void TCheckableButton::HandleCommand(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

}  // namespace ui
