#include "wallpaper/JpegToBitmapFile.h"

#include "pictures/BitmapFormat.h"
#include "pictures/JpegDecoder.h"

namespace wallpaper {
namespace {

// Keeps one row; the decoder asks for the next row only when the previous one is complete.
class RowWriter : public pictures::JpegTarget {
 public:
  explicit RowWriter(const BitmapFileSink& sink) : sink_(sink) {}

  void Begin(int width, int height, int, const std::vector<pictures::RgbQuad>&) override {
    pictures::BitmapFormat format;
    format.info.width = width;
    format.info.height = height;
    format.info.bitCount = 24;
    const std::vector<std::uint8_t> headers = pictures::EncodeBitmapHeaders(format);
    rowsAt_ = headers.size();
    stride_ = static_cast<size_t>(format.RowBytes());
    height_ = height;
    sink_.reserve(rowsAt_ + format.PixelBytes());
    sink_.write(0, headers);
    row_.assign(stride_, 0);
  }

  std::uint8_t* Row(int y) override {
    Flush();
    pending_ = y;
    return row_.data();
  }

  void Progress(int, int, int, bool) noexcept override {}

  // Writes the last decoded row at its place: the file's rows run bottom up.
  void Flush() {
    if (pending_ < 0) return;
    sink_.write(rowsAt_ + static_cast<std::uint64_t>(height_ - 1 - pending_) * stride_, row_);
    pending_ = -1;
  }

 private:
  const BitmapFileSink& sink_;
  std::vector<std::uint8_t> row_;
  std::uint64_t rowsAt_ = 0;
  size_t stride_ = 0;
  int height_ = 0;
  int pending_ = -1;
};

}  // namespace

void WriteJpegAsBitmapFile(std::span<const std::uint8_t> jpeg, const BitmapFileSink& sink) {
  RowWriter writer(sink);
  pictures::DecodeJpeg(jpeg, {.eightBit = false, .colourBits = 24, .grayscaleAsPalette = false, .clock = {}}, writer);
  writer.Flush();
}

}  // namespace wallpaper
