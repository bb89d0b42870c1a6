// The resolution of the screens the program's windows are on. The program is per-monitor aware:
// each window has its own (ui::TWinControl::Dpi), which changes when it moves to a monitor of
// another scale; the system's (the primary monitor's at log-on) serves before a window exists.
#pragma once

#include <windows.h>

#include "ui/DpiScaling.h"

namespace ui {

int SystemDpi();
// The window's own resolution, where the system can tell (Windows 10 1607 and later, Wine);
// the system's otherwise.
int WindowDpi(HWND window);
// The frame around a client area at `dpi`: the system's own where it can tell (Windows 10 1607
// and later, Wine), else the frame it draws now, scaled.
RECT FrameAt(int dpi, DWORD style, DWORD exStyle);
// The width of the system's small icons at `dpi`.
int SmallIconSizeAt(int dpi);
// Each of left, top, width and height scaled on its own, so that controls of one designed size
// keep one size.
RECT Scaled(const DesignRect& design, int dpi);

}  // namespace ui
