#include "ui/HintWindow.h"

#include <commctrl.h>

#include "ui/ProgramServices.h"
#include "ui/Control.h"
#include "ui/DpiScaling.h"
#include "ui/Pointer.h"

namespace ui {
namespace {

TOOLINFOA ToolInfo(const char* text) {
  TOOLINFOA tool = {};
  tool.cbSize = TTTOOLINFOA_V1_SIZE;
  tool.uFlags = TTF_TRACK | TTF_ABSOLUTE;
  tool.hwnd = ProgramWindow();
  tool.uId = 1;
  tool.lpszText = const_cast<char*>(text);
  return tool;
}

}  // namespace

THintWindow::THintWindow() {
  showTimer_.OnTimer = [this] { Show(); };
  hideTimer_.OnTimer = [this] { Hide(); };
}

THintWindow::~THintWindow() {
  if (tooltip_) ::DestroyWindow(tooltip_);
}

void THintWindow::PointerOver(const TControl* control) {
  if (control == control_) return;
  Hide();
  control_ = control;
  if (control_ && control_->ShowHint() && !control_->Hint().empty()) showTimer_.SetEnabled(true);
}

void THintWindow::Forget(const TControl* control) {
  if (control == control_) PointerOver(nullptr);
}

void THintWindow::Show() {
  showTimer_.SetEnabled(false);
  if (!control_) return;
  if (!tooltip_) {
    tooltip_ = ::CreateWindowExA(WS_EX_TOPMOST, TOOLTIPS_CLASSA, nullptr, WS_POPUP | TTS_NOPREFIX | TTS_ALWAYSTIP, 0,
                                 0, 0, 0, ProgramWindow(), nullptr, ::GetModuleHandleA(nullptr), nullptr);
    if (!tooltip_) return;
    TOOLINFOA tool = ToolInfo("");
    ::SendMessageA(tooltip_, TTM_ADDTOOLA, 0, reinterpret_cast<LPARAM>(&tool));
  }
  TOOLINFOA tool = ToolInfo(control_->Hint().c_str());
  ::SendMessageA(tooltip_, TTM_UPDATETIPTEXTA, 0, reinterpret_cast<LPARAM>(&tool));
  const POINT pointer = PointerPosition();
  // Below the pointer, clear of its arrow.
  ::SendMessageA(tooltip_, TTM_TRACKPOSITION, 0, MAKELPARAM(pointer.x, pointer.y + ScaleToDpi(20, control_->Dpi())));
  ::SendMessageA(tooltip_, TTM_TRACKACTIVATE, TRUE, reinterpret_cast<LPARAM>(&tool));
  hideTimer_.SetEnabled(true);
}

void THintWindow::Hide() {
  showTimer_.SetEnabled(false);
  hideTimer_.SetEnabled(false);
  if (!tooltip_) return;
  TOOLINFOA tool = ToolInfo("");
  ::SendMessageA(tooltip_, TTM_TRACKACTIVATE, FALSE, reinterpret_cast<LPARAM>(&tool));
}

}  // namespace ui
