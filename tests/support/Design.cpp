#include "support/Design.h"

#include <cmath>

namespace testing_support {
namespace {

bool Near(int actual, int design, int dpi) {
  if (dpi == 96) return actual == design;
  return std::abs(actual - design * dpi / 96.0) <= 1.0;
}

}  // namespace

::testing::AssertionResult IsScaledFrom(int actual, int design, int dpi) {
  if (Near(actual, design, dpi)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not " << design << " at " << dpi << " dpi";
}

::testing::AssertionResult IsScaledFrom(const RECT& actual, const ui::DesignRect& design, int dpi) {
  if (Near(actual.left, design.left, dpi) && Near(actual.top, design.top, dpi) &&
      Near(actual.right - actual.left, design.width, dpi) && Near(actual.bottom - actual.top, design.height, dpi))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right - actual.left
                                       << " x " << actual.bottom - actual.top << ") is not the designed ("
                                       << design.left << ", " << design.top << ", " << design.width << " x "
                                       << design.height << ") at " << dpi << " dpi";
}

void MoveToScreenOf(ui::TWinControl& form, int dpi) {
  const RECT bounds = form.BoundsRect();
  const int now = form.Dpi();
  SIZE size = {bounds.right - bounds.left, bounds.bottom - bounds.top};
  if (!::SendMessageA(form.Handle(), WM_GETDPISCALEDSIZE, static_cast<WPARAM>(dpi), reinterpret_cast<LPARAM>(&size)))
    size = SIZE{size.cx * dpi / now, size.cy * dpi / now};
  RECT suggested = {bounds.left, bounds.top, bounds.left + size.cx, bounds.top + size.cy};
  ::SendMessageA(form.Handle(), WM_DPICHANGED, MAKEWPARAM(dpi, dpi), reinterpret_cast<LPARAM>(&suggested));
}

}  // namespace testing_support
