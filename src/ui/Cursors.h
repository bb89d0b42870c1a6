// Pointer shapes by number, as controls name them: the predefined ones (0 and below) and a
// table that the application fills with its own.
#pragma once

#include <windows.h>

namespace ui {

using TCursor = int;
inline constexpr TCursor crDefault = 0;
inline constexpr TCursor crArrow = -2;
inline constexpr TCursor crHourGlass = -11;
inline constexpr TCursor crHandPoint = -21;

// Replaces what `number` holds; a null cursor removes the number.
void SetApplicationCursor(TCursor number, HCURSOR cursor);
// The shape of `number`: a predefined one, the application's, or the arrow for a number that
// holds nothing; null for crDefault (the window's own).
HCURSOR CursorHandle(TCursor number);

}  // namespace ui
