// The pixels on the screen right now, copied from the desktop's device context.
#pragma once

#include <windows.h>

#include "ui/Canvas.h"

namespace testing_support {

class ScreenCapture {
 public:
  ScreenCapture();

  int Width() const { return copy_.Width(); }
  int Height() const { return copy_.Height(); }
  COLORREF At(int x, int y) const { return copy_.Pixel(x, y); }

 private:
  ui::TBitmapCanvas copy_;
};

}  // namespace testing_support
