// Layouts are designed at 96 dpi. The layout tests run at 96 dpi and again with the screen at
// 144 and 192 dpi (tests/run-at-dpi.sh), where what was designed is expected at dpi / 96 times
// its size and place.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

#include "ui/Dpi.h"
#include "ui/WinControl.h"

namespace testing_support {

// Left, top, width and height of `actual` each at dpi / 96 times the designed one: exactly at
// 96 dpi, within a pixel of rounding at others; `dpi` is the system's unless given.
::testing::AssertionResult IsScaledFrom(const RECT& actual, const ui::DesignRect& design, int dpi = ui::SystemDpi());
::testing::AssertionResult IsScaledFrom(int actual, int design, int dpi = ui::SystemDpi());

// Moves the form to a screen of `dpi` as Windows would: asks for its size there of its size here
// (WM_GETDPISCALEDSIZE, else scales it), then suggests that rectangle at its place
// (WM_DPICHANGED). Sent from inside the process: Wine neither sends the message nor copies its
// rectangle between processes.
void MoveToScreenOf(ui::TWinControl& form, int dpi);

}  // namespace testing_support
