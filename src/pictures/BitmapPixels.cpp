#include "pictures/BitmapPixels.h"

#include <windows.h>

#include "pictures/Bitmap.h"
#include "pictures/BitmapFormat.h"
#include "platform/Exceptions.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"

namespace pictures {

BgrPixels BitmapPixels(std::span<const std::uint8_t> file) {
  TBitmap source;
  source.LoadFromBytes(file);
  BgrPixels pixels(source.Width(), source.Height());
  if (source.Empty()) return pixels;
  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = pixels.Width();
  info.bmiHeader.biHeight = -pixels.Height();  // top row first, as the pixels keep them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  ui::BitmapHandle rows(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!rows || !bits) throw platform::EOutOfResources("Out of memory");
  ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
  {
    ui::SelectedObject selected(dc.Get(), rows.Get());
    ui::TCanvas canvas(dc.Get());
    source.Draw(canvas, RECT{0, 0, pixels.Width(), pixels.Height()});
    ::GdiFlush();
  }
  const auto* drawn = static_cast<const std::uint8_t*>(bits);
  for (int y = 0; y < pixels.Height(); ++y)
    std::copy_n(drawn + y * pixels.Stride(), pixels.Stride(), pixels.Row(y));
  return pixels;
}

void WriteBitmapFile(const BgrPixels& pixels, platform::ReplacementFile& target) {
  BitmapFormat format;
  format.info.width = pixels.Width();
  format.info.height = pixels.Height();
  format.info.bitCount = 24;
  target.Write(EncodeBitmapHeaders(format));
  for (int y = pixels.Height() - 1; y >= 0; --y) target.Write({pixels.Row(y), pixels.Stride()});
}

}  // namespace pictures
