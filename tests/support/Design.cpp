#include "support/Design.h"

#include <cmath>

#include "ui/Dpi.h"

namespace testing_support {
namespace {

bool Near(int actual, int design) {
  const int dpi = ui::ScreenDpi();
  if (dpi == 96) return actual == design;
  return std::abs(actual - design * dpi / 96.0) <= 1.0;
}

}  // namespace

::testing::AssertionResult IsScaledFrom(int actual, int design) {
  if (Near(actual, design)) return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << actual << " is not " << design << " at " << ui::ScreenDpi() << " dpi";
}

::testing::AssertionResult IsScaledFrom(const RECT& actual, const RECT& design) {
  if (Near(actual.left, design.left) && Near(actual.top, design.top) &&
      Near(actual.right - actual.left, design.right - design.left) &&
      Near(actual.bottom - actual.top, design.bottom - design.top))
    return ::testing::AssertionSuccess();
  return ::testing::AssertionFailure() << "(" << actual.left << ", " << actual.top << ", " << actual.right - actual.left
                                       << " x " << actual.bottom - actual.top << ") is not the designed ("
                                       << design.left << ", " << design.top << ", " << design.right - design.left
                                       << " x " << design.bottom - design.top << ") at " << ui::ScreenDpi() << " dpi";
}

}  // namespace testing_support
