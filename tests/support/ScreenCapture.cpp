#include "support/ScreenCapture.h"

#include <cstring>
#include <stdexcept>

namespace testing_support {

ScreenCapture::ScreenCapture()
    : width_(::GetSystemMetrics(SM_CXSCREEN)), height_(::GetSystemMetrics(SM_CYSCREEN)),
      pixels_(static_cast<size_t>(width_) * height_) {
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width_;
  info.bmiHeader.biHeight = -height_;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  HDC screen = ::GetDC(nullptr);
  HDC memory = ::CreateCompatibleDC(screen);
  void* bits = nullptr;
  HBITMAP bitmap = ::CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
  HGDIOBJ previous = ::SelectObject(memory, bitmap);
  const bool copied = bitmap && ::BitBlt(memory, 0, 0, width_, height_, screen, 0, 0, SRCCOPY);
  ::GdiFlush();
  if (copied) std::memcpy(pixels_.data(), bits, pixels_.size() * sizeof(DWORD));
  ::SelectObject(memory, previous);
  ::DeleteObject(bitmap);
  ::DeleteDC(memory);
  ::ReleaseDC(nullptr, screen);
  if (!copied) throw std::runtime_error("the screen could not be read");
}

COLORREF ScreenCapture::At(int x, int y) const {
  const DWORD pixel = pixels_.at(static_cast<size_t>(y) * width_ + x);
  return RGB((pixel >> 16) & 0xFF, (pixel >> 8) & 0xFF, pixel & 0xFF);
}

}  // namespace testing_support
