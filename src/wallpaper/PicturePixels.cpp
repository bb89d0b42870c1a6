#include "wallpaper/PicturePixels.h"

#include <windows.h>

#include "pictures/Bitmap.h"
#include "pictures/BitmapFormat.h"
#include "pictures/JpegDecoder.h"
#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"

namespace wallpaper {
namespace {

// Rows go into the picture part's pixels, allocated once the part is known.
class PartTarget : public pictures::JpegTarget {
 public:
  explicit PartTarget(PicturePart& part) : part_(part) {}
  void Begin(int width, int height, int, const std::vector<pictures::RgbQuad>&) override {
    part_ = {BgrPixels(), 0, 0, width, height};
  }
  void Part(int left, int top, int width, int height) override {
    part_.left = left;
    part_.top = top;
    part_.pixels = BgrPixels(width, height);
  }
  std::uint8_t* Row(int y) override {
    if (part_.pixels.Width() == 0) part_.pixels = BgrPixels(part_.width, part_.height);
    return part_.pixels.Row(y - part_.top);
  }
  void Progress(int, int, int, bool) noexcept override {}

 private:
  PicturePart& part_;
};

PicturePart DecodeJpegPart(std::span<const std::uint8_t> file, int scaleEighths,
                           pictures::JpegDecodeOptions::Part shown) {
  PicturePart part;
  PartTarget target(part);
  pictures::DecodeJpeg(
      file,
      {.eightBit = false,
       .colourBits = 24,
       .grayscaleAsPalette = false,
       .clock = {},
       .floatDct = false,
       .scaleEighths = scaleEighths,
       .part = shown},
      target);
  return part;
}

}  // namespace

BgrPixels PicturePixels(std::span<const std::uint8_t> file) {
  if (IsBitmapFile(file)) return BitmapPixels(file);
  if (!IsJpegFile(file)) throw pictures::EInvalidGraphic("Unknown picture file format");
  return DecodeJpegPart(file, 8, {}).pixels;
}

PicturePart PicturePartShown(std::span<const std::uint8_t> file, const PixelRect& placed, const PixelRect& visible) {
  if (!IsJpegFile(file)) return WholePicture(PicturePixels(file));
  const pictures::JpegHeader header = pictures::ReadJpegHeader(file);
  const int eighths = JpegScaleEighths(header.width, header.height, placed.width, placed.height);
  const PixelRect part =
      ShownPart(JpegScaledSide(header.width, eighths), JpegScaledSide(header.height, eighths), placed, visible);
  if (part.width == 0 || part.height == 0) return {};
  return DecodeJpegPart(file, eighths, {part.left, part.top, part.width, part.height});
}

BgrPixels BitmapPixels(std::span<const std::uint8_t> file) {
  pictures::TBitmap source;
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
  pictures::BitmapFormat format;
  format.info.width = pixels.Width();
  format.info.height = pixels.Height();
  format.info.bitCount = 24;
  target.Write(pictures::EncodeBitmapHeaders(format));
  for (int y = pixels.Height() - 1; y >= 0; --y) target.Write({pixels.Row(y), pixels.Stride()});
}

}  // namespace wallpaper
