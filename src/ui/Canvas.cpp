#include "ui/Canvas.h"

#include "platform/SystemError.h"
#include "ui/GdiHandles.h"

namespace ui {

TCanvas::~TCanvas() { RestoreFont(); }

void TCanvas::RestoreFont() {
  if (originalFont_) ::SelectObject(dc_, originalFont_);
  originalFont_ = nullptr;
}

void TCanvas::SetFont(const TFont& font) {
  HGDIOBJ previous = ::SelectObject(dc_, font.Handle());
  if (!originalFont_) originalFont_ = previous;
  SetTextColor(font.Color());
}

void TCanvas::SetTextColor(TColor color) { ::SetTextColor(dc_, ColorToRGB(color)); }

SIZE TCanvas::TextExtent(const std::string& text) const {
  SIZE extent = {};
  ::GetTextExtentPoint32A(dc_, text.c_str(), static_cast<int>(text.size()), &extent);
  return extent;
}

void TCanvas::TextOutOpaque(int x, int y, const std::string& text, TColor background) {
  ::SetBkMode(dc_, OPAQUE);
  ::SetBkColor(dc_, ColorToRGB(background));
  ::ExtTextOutA(dc_, x, y, 0, nullptr, text.c_str(), static_cast<UINT>(text.size()), nullptr);
}

void TCanvas::FillRect(const RECT& rect, TColor color) {
  BrushHandle brush(::CreateSolidBrush(ColorToRGB(color)));
  ::FillRect(dc_, &rect, brush.Get());
}

void TCanvas::FrameRect(const RECT& rect, TColor color) {
  BrushHandle brush(::CreateSolidBrush(ColorToRGB(color)));
  ::FrameRect(dc_, &rect, brush.Get());
}

void TCanvas::Frame3D(const RECT& r, TColor topLeft, TColor bottomRight) {
  FillRect(RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  FillRect(RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

COLORREF TCanvas::Pixel(int x, int y) const { return ::GetPixel(dc_, x, y); }

TBitmapCanvas::TBitmapCanvas(int width, int height)
    : TCanvas(nullptr), width_(width), height_(height), memoryDc_(::CreateCompatibleDC(nullptr)) {
  if (!memoryDc_) platform::RaiseLastOSError();
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = width;
  info.bmiHeader.biHeight = -height;
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 32;
  info.bmiHeader.biCompression = BI_RGB;
  void* bits = nullptr;
  bitmap_.Reset(::CreateDIBSection(memoryDc_.Get(), &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_) platform::RaiseLastOSError();
  originalBitmap_ = ::SelectObject(memoryDc_.Get(), bitmap_.Get());
  SetHandle(memoryDc_.Get());
}

TBitmapCanvas::~TBitmapCanvas() {
  RestoreFont();
  ::SelectObject(memoryDc_.Get(), originalBitmap_);
}

BitmapHandle TBitmapCanvas::TakeBitmap() {
  ::SelectObject(memoryDc_.Get(), originalBitmap_);
  return std::move(bitmap_);
}

}  // namespace ui
