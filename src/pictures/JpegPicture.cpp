#include "pictures/JpegPicture.h"

#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"

namespace pictures {

bool TJPEGImage::DisplayNeedsEightBits() {
  static const bool eightBits = [] {
    const ui::WindowDc screen;
    return ::GetDeviceCaps(screen.Get(), BITSPIXEL) * ::GetDeviceCaps(screen.Get(), PLANES) <= 8;
  }();
  return eightBits;
}

void TJPEGImage::LoadFromFile(const std::string& path) { LoadFromBytes(platform::ReadWholeFile(path)); }

void TJPEGImage::LoadFromBytes(std::vector<std::uint8_t> file) {
  header_ = file.empty() ? JpegHeader{} : ReadJpegHeader(file);
  file_ = std::move(file);
  bitmap_.Reset();
  bits_ = nullptr;
  decodeStarted_ = false;
}

void TJPEGImage::Draw(ui::TCanvas& canvas, const RECT& target) {
  if (!decodeStarted_) Decode();
  if (!bitmap_) return;
  HDC dc = canvas.Handle();
  ui::MemoryDc source(::CreateCompatibleDC(dc));
  ui::SelectedObject selected(source.Get(), bitmap_.Get());
  const int displayBits = ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES);
  ::SetStretchBltMode(
      dc, SmoothStretching() || (displayBits <= 8 && displayBits < bitsPerPixel_) ? HALFTONE : COLORONCOLOR);
  if (SmoothStretching()) ::SetBrushOrgEx(dc, 0, 0, nullptr);
  ::StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.Get(), 0,
               0, header_.width, header_.height, SRCCOPY);
}

void TJPEGImage::Decode() {
  decodeStarted_ = true;
  Report(ui::TProgressStage::psStarting, 0, false, {});
  try {
    // 32-bit rows: the stretching blit copies them as they are, where 24-bit ones are converted
    // whole first (60 ms for 6000 x 4000 under Wine).
    DecodeJpeg(file_,
               {.eightBit = DisplayNeedsEightBits(), .colourBits = 32, .clock = [] { return ::GetTickCount64(); }},
               *this);
  } catch (...) {
    Report(ui::TProgressStage::psEnding, 0, paletteChanged_, {});
    throw;
  }
  Report(ui::TProgressStage::psEnding, 100, paletteChanged_, {});
}

void TJPEGImage::Begin(int width, int height, int bitsPerPixel, const std::vector<RgbQuad>& palette) {
  struct {
    BITMAPINFOHEADER header;
    RGBQUAD colors[256];
  } info = {};
  info.header.biSize = sizeof info.header;
  info.header.biWidth = width;
  info.header.biHeight = -height;  // top row first, as the decoder writes them
  info.header.biPlanes = 1;
  info.header.biBitCount = static_cast<WORD>(bitsPerPixel);
  info.header.biCompression = BI_RGB;
  info.header.biClrUsed = static_cast<DWORD>(palette.size());
  for (size_t i = 0; i < palette.size() && i < 256; ++i)
    info.colors[i] = RGBQUAD{palette[i].blue, palette[i].green, palette[i].red, 0};
  void* bits = nullptr;
  bitmap_.Reset(::CreateDIBSection(nullptr, reinterpret_cast<BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!bitmap_ || !bits) throw platform::EOutOfResources("Out of memory");
  bits_ = static_cast<std::uint8_t*>(bits);
  bitsPerPixel_ = bitsPerPixel;
  stride_ = (static_cast<size_t>(width) * bitsPerPixel + 31) / 32 * 4;
  paletteChanged_ = !palette.empty();
}

std::uint8_t* TJPEGImage::Row(int y) { return bits_ + stride_ * static_cast<size_t>(y); }

void TJPEGImage::Progress(int percent, int firstRow, int endRow, bool redraw) noexcept {
  try {
    Report(ui::TProgressStage::psRunning, percent, redraw, RECT{0, firstRow, header_.width, endRow});
  } catch (...) {
    // A failed repaint while decoding must not unwind through libjpeg; the next paint shows it.
  }
}

void TJPEGImage::Report(ui::TProgressStage stage, int percent, bool redraw, const RECT& changed) {
  if (OnProgress) OnProgress(stage, percent, redraw, changed);
}

}  // namespace pictures
