#include "ui/WindowPicture.h"

#include "ui/Canvas.h"
#include "ui/GdiHandles.h"
#include "ui/ImageSizing.h"

namespace ui {
namespace {

// Windows 8.1 and later take a visible window from what the compositor shows; older ones, and a
// hidden window, paint it again (WM_PRINT).
constexpr UINT kRenderFullContent = 0x2;

SIZE WindowSize(HWND window) {
  RECT client = {};
  ::GetClientRect(window, &client);
  return SIZE{client.right, client.bottom};
}

void Print(HWND window, const TBitmapCanvas& canvas) {
  if (!::PrintWindow(window, canvas.Handle(), PW_CLIENTONLY | kRenderFullContent))
    ::PrintWindow(window, canvas.Handle(), PW_CLIENTONLY);
}

}  // namespace

BitmapHandle WindowPicture(HWND window) {
  const SIZE size = WindowSize(window);
  TBitmapCanvas canvas(size.cx, size.cy);
  Print(window, canvas);
  return canvas.TakeBitmap();
}

BitmapHandle FittedWindowPicture(HWND window, int maxWidth, int maxHeight) {
  const SIZE size = WindowSize(window);
  const ImageRect fitted = DestinationRect(size.cx, size.cy, maxWidth, maxHeight, {.proportional = true});
  TBitmapCanvas whole(size.cx, size.cy);
  Print(window, whole);
  TBitmapCanvas shrunk(fitted.width, fitted.height);
  ::SetStretchBltMode(shrunk.Handle(), HALFTONE);
  ::SetBrushOrgEx(shrunk.Handle(), 0, 0, nullptr);
  ::StretchBlt(shrunk.Handle(), 0, 0, fitted.width, fitted.height, whole.Handle(), 0, 0, size.cx, size.cy, SRCCOPY);
  return shrunk.TakeBitmap();
}

}  // namespace ui
