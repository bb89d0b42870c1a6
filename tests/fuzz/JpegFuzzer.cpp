// Feeds the JPEG path arbitrary bytes: the header reader, the preview's decoder and the
// wallpaper's conversion into a bitmap file. Each refuses bad input with its error, and what it
// accepts must come out at the size the header gave; the program's own header reader, where it
// finds a size, finds libjpeg's.
#include <cstdlib>
#include <vector>

#include "pictures/JpegDecoder.h"
#include "pictures/PictureHeader.h"
#include "platform/Exceptions.h"
#include "wallpaper/JpegToBitmapFile.h"

namespace {

// Decoding allocates the whole picture; keep each input cheap.
constexpr std::uint64_t kMaxPixels = 1 << 22;

void Check(bool condition) {
  if (!condition) std::abort();
}

class MemoryTarget : public pictures::JpegTarget {
 public:
  void Begin(int width, int height, int bitsPerPixel, const std::vector<pictures::RgbQuad>&) override {
    stride_ = static_cast<size_t>(width) * bitsPerPixel / 8;
    rows_.assign(stride_ * height, 0);
    height_ = height;
  }
  std::uint8_t* Row(int y) override {
    Check(y >= 0 && y < height_);
    return rows_.data() + stride_ * y;
  }
  void Progress(int percent, int firstRow, int endRow, bool) noexcept override {
    Check(percent >= 0 && percent <= 100 && 0 <= firstRow && firstRow <= endRow && endRow <= height_);
  }
  int height_ = 0;

 private:
  size_t stride_ = 0;
  std::vector<std::uint8_t> rows_;
};

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::span<const std::uint8_t> file(data, size);
  const auto quick = pictures::PictureHeaderSize([&](std::uint64_t offset, std::span<std::uint8_t> bytes) {
    const std::size_t count = offset < size ? std::min<std::size_t>(bytes.size(), size - offset) : 0;
    std::copy_n(data + std::min<std::uint64_t>(offset, size), count, bytes.begin());
    return count;
  });
  pictures::JpegHeader header;
  try {
    header = pictures::ReadJpegHeader(file);
  } catch (const platform::Exception&) {
    return 0;
  }
  Check(!quick || (quick->width == header.width && quick->height == header.height));
  if (static_cast<std::uint64_t>(header.width) * header.height > kMaxPixels) return 0;

  MemoryTarget target;
  try {
    pictures::DecodeJpeg(file, {.eightBit = size % 2 == 0}, target);
    Check(target.height_ == header.height);
  } catch (const platform::Exception&) {
  }

  std::uint64_t fileSize = 0;
  try {
    wallpaper::WriteJpegAsBitmapFile(file, {[&](std::uint64_t total) { fileSize = total; },
                                            [&](std::uint64_t offset, std::span<const std::uint8_t> bytes) {
                                              Check(offset + bytes.size() <= fileSize);
                                            }});
    const std::uint64_t row = (static_cast<std::uint64_t>(header.width) * 3 + 3) / 4 * 4;
    Check(fileSize == 54 + row * header.height);
  } catch (const platform::Exception&) {
  }
  return 0;
}
