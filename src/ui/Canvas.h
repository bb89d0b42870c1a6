// Drawing onto a device context: a window's, or a memory bitmap's (TBitmapCanvas), so that
// tests can paint a control into memory and read its pixels.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>

#include "ui/Colors.h"
#include "ui/Font.h"
#include "ui/GdiHandles.h"

namespace ui {

class TCanvas {
 public:
  explicit TCanvas(HDC dc) : dc_(dc) {}
  TCanvas(const TCanvas&) = delete;
  TCanvas& operator=(const TCanvas&) = delete;
  virtual ~TCanvas();

  HDC Handle() const { return dc_; }

  // The font that later text operations use, including its colour.
  void SetFont(const TFont& font);
  void SetTextColor(TColor color);
  SIZE TextExtent(const std::string& text) const;
  // One line, literally, with its cell's top-left corner at (x, y) on an opaque background.
  void TextOutOpaque(int x, int y, const std::string& text, TColor background);

  void FillRect(const RECT& rect, TColor color);
  void FrameRect(const RECT& rect, TColor color);
  // A one-pixel ring: `topLeft` along the top and left edges, `bottomRight` along the others.
  void Frame3D(const RECT& rect, TColor topLeft, TColor bottomRight);
  COLORREF Pixel(int x, int y) const;

 protected:
  void SetHandle(HDC dc) { dc_ = dc; }
  // Puts back the DC's own font; a derived canvas that owns the DC calls it before freeing it.
  void RestoreFont();

 private:
  HDC dc_;
  HGDIOBJ originalFont_ = nullptr;
};

// A canvas on a 32-bit top-down memory bitmap of a fixed size.
class TBitmapCanvas : public TCanvas {
 public:
  TBitmapCanvas(int width, int height);
  ~TBitmapCanvas() override;

  int Width() const { return width_; }
  int Height() const { return height_; }
  HBITMAP Bitmap() const { return bitmap_.Get(); }
  // Hands the bitmap over; the canvas draws on nothing from then on.
  BitmapHandle TakeBitmap();

 private:
  int width_;
  int height_;
  MemoryDc memoryDc_;
  BitmapHandle bitmap_;
  HGDIOBJ originalBitmap_ = nullptr;
};

}  // namespace ui
