// Layouts are designed at 96 dpi. The layout tests run at 96 dpi and again with the screen at
// 144 and 192 dpi (tests/run-at-dpi.sh), where what was designed is expected at dpi / 96 times
// its size and place.
#pragma once

#include <windows.h>

#include <gtest/gtest.h>

namespace testing_support {

// Left, top, width and height of `actual` each at dpi / 96 times the designed one: exactly at
// 96 dpi, within a pixel of rounding at others.
::testing::AssertionResult IsScaledFrom(const RECT& actual, const RECT& design);
::testing::AssertionResult IsScaledFrom(int actual, int design);

}  // namespace testing_support
