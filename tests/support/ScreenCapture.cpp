#include "support/ScreenCapture.h"

#include <stdexcept>

namespace testing_support {

ScreenCapture::ScreenCapture() : copy_(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)) {
  HDC screen = ::GetDC(nullptr);
  const bool copied = ::BitBlt(copy_.Handle(), 0, 0, Width(), Height(), screen, 0, 0, SRCCOPY);
  ::ReleaseDC(nullptr, screen);
  if (!copied) throw std::runtime_error("the screen could not be read");
}

}  // namespace testing_support
