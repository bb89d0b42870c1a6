#include "ui/Button.h"

namespace ui {

TButton::TButton(std::string name, TWinControl& parent, const DesignRect& bounds, const std::string& caption, int id)
    : TWinControl(std::move(name)) {
  CreateChild(parent, "BUTTON", WS_TABSTOP | BS_PUSHBUTTON, 0, bounds, caption);
  if (id) ::SetWindowLongPtrA(Handle(), GWLP_ID, id);
}

void TButton::HandleCommand(WORD code) {
  if (code == BN_CLICKED && OnClick) OnClick();
}

LRESULT TButton::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  LRESULT result = TWinControl::WndProc(message, wParam, lParam);
  if (message == WM_GETDLGCODE && ::GetFocus() == Handle())
    result = (result & ~DLGC_UNDEFPUSHBUTTON) | DLGC_DEFPUSHBUTTON;
  return result;
}

}  // namespace ui
