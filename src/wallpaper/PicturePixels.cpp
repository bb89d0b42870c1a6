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

class PixelsTarget : public pictures::JpegTarget {
 public:
  explicit PixelsTarget(BgrPixels& pixels) : pixels_(pixels) {}
  void Begin(int width, int height, int, const std::vector<pictures::RgbQuad>&) override {
    pixels_ = BgrPixels(width, height);
  }
  std::uint8_t* Row(int y) override { return pixels_.Row(y); }
  void Progress(int, int, int, bool) noexcept override {}

 private:
  BgrPixels& pixels_;
};

}  // namespace

bool IsJpegFile(std::span<const std::uint8_t> file) { return file.size() >= 2 && file[0] == 0xFF && file[1] == 0xD8; }
bool IsBitmapFile(std::span<const std::uint8_t> file) { return file.size() >= 2 && file[0] == 'B' && file[1] == 'M'; }

std::optional<PictureSize> PictureFileSize(std::span<const std::uint8_t> file) {
  try {
    if (IsJpegFile(file)) {
      const pictures::JpegHeader header = pictures::ReadJpegHeader(file);
      return PictureSize{header.width, header.height};
    }
    if (IsBitmapFile(file)) {
      const pictures::InfoHeader info = pictures::ParseBitmap(file).format.info;
      return PictureSize{info.width, info.height < 0 ? -info.height : info.height};
    }
  } catch (const platform::Exception&) {
  }
  return std::nullopt;
}

BgrPixels PicturePixels(std::span<const std::uint8_t> file, int neededWidth, int neededHeight) {
  if (IsBitmapFile(file)) return BitmapPixels(file);
  if (!IsJpegFile(file)) throw pictures::EInvalidGraphic("Unknown picture file format");
  const pictures::JpegHeader header = pictures::ReadJpegHeader(file);
  BgrPixels pixels;
  PixelsTarget target(pixels);
  pictures::DecodeJpeg(file,
                       {.eightBit = false,
                        .colourBits = 24,
                        .grayscaleAsPalette = false,
                        .clock = {},
                        .scaleEighths = JpegScaleEighths(header.width, header.height, neededWidth, neededHeight)},
                       target);
  return pixels;
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
