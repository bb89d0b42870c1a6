#include "ui/Dpi.h"

#include "ui/DpiScaling.h"
#include "ui/GdiHandles.h"

namespace ui {

int ScreenDpi() {
  static const int dpi = [] {
    const WindowDc screen;
    return ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }();
  return dpi;
}

int Scaled(int designPixels) { return ScaleToDpi(designPixels, ScreenDpi()); }

RECT Scaled(const RECT& designBounds) {
  const int left = Scaled(designBounds.left), top = Scaled(designBounds.top);
  return RECT{left, top, left + Scaled(designBounds.right - designBounds.left),
              top + Scaled(designBounds.bottom - designBounds.top)};
}

}  // namespace ui
