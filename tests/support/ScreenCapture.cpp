#include "support/ScreenCapture.h"

#include <stdexcept>

#include "ui/GdiHandles.h"

namespace testing_support {

ScreenCapture::ScreenCapture() : copy_(::GetSystemMetrics(SM_CXSCREEN), ::GetSystemMetrics(SM_CYSCREEN)) {
  const ui::WindowDc screen;
  if (!::BitBlt(copy_.Handle(), 0, 0, Width(), Height(), screen.Get(), 0, 0, SRCCOPY))
    throw std::runtime_error("the screen could not be read");
}

}  // namespace testing_support
