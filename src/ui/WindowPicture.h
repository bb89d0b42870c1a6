// A picture of a window's client area as it looks, also where other windows cover it or while it
// is hidden. The frame is left to the system, which draws it around such a picture anyway.
#pragma once

#include <windows.h>

#include "ui/GdiHandles.h"

namespace ui {

// The client area at its size, as a 32-bit top-down device-independent bitmap.
BitmapHandle WindowPicture(HWND window);
// The same, shrunk to fit within `maxWidth` x `maxHeight` with its aspect kept.
BitmapHandle FittedWindowPicture(HWND window, int maxWidth, int maxHeight);

}  // namespace ui
