#include "ui/Dpi.h"

#include "ui/GdiHandles.h"

namespace ui {
namespace {

// A function of user32 that older systems lack: null there.
template <typename Function>
Function User32Function(const char* name) {
  return reinterpret_cast<Function>(reinterpret_cast<void*>(::GetProcAddress(::GetModuleHandleA("user32.dll"), name)));
}

}  // namespace

int SystemDpi() {
  static const int dpi = [] {
    const WindowDc screen;
    return ::GetDeviceCaps(screen.Get(), LOGPIXELSY);
  }();
  return dpi;
}

int WindowDpi(HWND window) {
  static const auto getDpiForWindow = User32Function<UINT(WINAPI*)(HWND)>("GetDpiForWindow");
  const UINT dpi = getDpiForWindow && window ? getDpiForWindow(window) : 0;
  return dpi ? static_cast<int>(dpi) : SystemDpi();
}

RECT FrameAt(int dpi, DWORD style, DWORD exStyle) {
  static const auto adjustForDpi =
      User32Function<BOOL(WINAPI*)(RECT*, DWORD, BOOL, DWORD, UINT)>("AdjustWindowRectExForDpi");
  RECT rect = {0, 0, 0, 0};
  if (adjustForDpi && adjustForDpi(&rect, style, FALSE, exStyle, static_cast<UINT>(dpi))) return rect;
  ::AdjustWindowRectEx(&rect, style, FALSE, exStyle);
  const int now = SystemDpi();
  return RECT{rect.left * dpi / now, rect.top * dpi / now, rect.right * dpi / now, rect.bottom * dpi / now};
}

int SmallIconSizeAt(int dpi) {
  static const auto metricForDpi = User32Function<int(WINAPI*)(int, UINT)>("GetSystemMetricsForDpi");
  return metricForDpi ? metricForDpi(SM_CXSMICON, static_cast<UINT>(dpi))
                      : ::MulDiv(::GetSystemMetrics(SM_CXSMICON), dpi, SystemDpi());
}

RECT Scaled(const DesignRect& design, int dpi) {
  const int left = ScaleToDpi(design.left, dpi), top = ScaleToDpi(design.top, dpi);
  return RECT{left, top, left + ScaleToDpi(design.width, dpi), top + ScaleToDpi(design.height, dpi)};
}

}  // namespace ui
