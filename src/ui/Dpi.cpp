#include "ui/Dpi.h"

#include "ui/GdiHandles.h"

namespace ui {

int SystemDpi() {
  static const int dpi = [] {
    const WindowDc screen;
    return ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }();
  return dpi;
}

int WindowDpi(HWND window) {
  using GetDpiForWindowFunction = UINT(WINAPI*)(HWND);
  static const auto getDpiForWindow = reinterpret_cast<GetDpiForWindowFunction>(
      reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), "GetDpiForWindow")));
  const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
  return dpi ? static_cast<int>(dpi) : SystemDpi();
}

RECT Scaled(const DesignRect& design, int dpi) {
  const int left = ScaleToDpi(design.left, dpi), top = ScaleToDpi(design.top, dpi);
  return RECT{left, top, left + ScaleToDpi(design.width, dpi), top + ScaleToDpi(design.height, dpi)};
}

}  // namespace ui
