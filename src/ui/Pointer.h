// Where the mouse pointer is on the screen. Tests put it where they need it through the hook,
// since the pointer of a virtual test desktop does not follow warps reliably.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

POINT PointerPosition();
// Replaces the system's answer until reset with an empty hook.
void SetPointerPositionHook(std::function<POINT()> hook);

}  // namespace ui
