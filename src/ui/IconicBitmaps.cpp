#include "ui/IconicBitmaps.h"

#include <dwmapi.h>

namespace ui {
namespace {

IconicBitmapHook& Hook() {
  static IconicBitmapHook hook;
  return hook;
}

}  // namespace

void EnableIconicBitmaps(HWND window) {
  const BOOL on = TRUE;
  ::DwmSetWindowAttribute(window, DWMWA_FORCE_ICONIC_REPRESENTATION, &on, sizeof on);
  ::DwmSetWindowAttribute(window, DWMWA_HAS_ICONIC_BITMAP, &on, sizeof on);
}

void SetIconicThumbnail(HWND window, HBITMAP thumbnail) {
  if (Hook()) return Hook()(window, thumbnail, false);
  ::DwmSetIconicThumbnail(window, thumbnail, 0);
}

void SetIconicLivePreview(HWND window, HBITMAP preview, POINT offset) {
  if (Hook()) return Hook()(window, preview, true);
  ::DwmSetIconicLivePreviewBitmap(window, preview, &offset, 0);
}

void InvalidateIconicBitmaps(HWND window) { ::DwmInvalidateIconicBitmaps(window); }

void SetIconicBitmapHook(IconicBitmapHook hook) { Hook() = std::move(hook); }

}  // namespace ui
