// The pixels on the screen right now, read through the desktop's device context.
#pragma once

#include <windows.h>

#include <vector>

namespace testing_support {

class ScreenCapture {
 public:
  ScreenCapture();

  int Width() const { return width_; }
  int Height() const { return height_; }
  COLORREF At(int x, int y) const;

 private:
  int width_;
  int height_;
  std::vector<DWORD> pixels_;  // top row first, 0x00RRGGBB
};

}  // namespace testing_support
