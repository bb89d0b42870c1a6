// The screen's resolution as the program sees it (it is system-aware: the primary monitor's at
// log-on), and designed positions and sizes on it (the rule is in ui/DpiScaling.h).
#pragma once

#include <windows.h>

namespace ui {

int ScreenDpi();
int Scaled(int designPixels);
// Each of left, top, width and height scaled on its own, so that controls of one designed size
// keep one size.
RECT Scaled(const RECT& designBounds);

}  // namespace ui
