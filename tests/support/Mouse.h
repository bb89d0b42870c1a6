// Mouse messages to the window a windowless control is painted on, as a real press or release
// sends them.
#pragma once

#include <windows.h>

#include "ui/GraphicControl.h"
#include "ui/WinControl.h"

namespace testing_support {

// `message` (WM_LBUTTONDOWN, WM_RBUTTONUP...) at (x, y) of `control`, with the button held that
// a press implies.
inline void SendMouse(const ui::TGraphicControl& control, UINT message, int x, int y) {
  WPARAM keys = 0;
  if (message == WM_LBUTTONDOWN || message == WM_LBUTTONDBLCLK) keys = MK_LBUTTON;
  if (message == WM_RBUTTONDOWN || message == WM_RBUTTONDBLCLK) keys = MK_RBUTTON;
  ::SendMessageA(control.Parent()->Handle(), message, keys, MAKELPARAM(control.Left() + x, control.Top() + y));
}

}  // namespace testing_support
