#include "pictures/PictureFile.h"

#include <algorithm>
#include <array>
#include <cstring>

#include "pictures/BitmapPixels.h"
#include "pictures/JpegDecoder.h"
#include "pictures/JpegScale.h"
#include "pictures/PictureErrors.h"
#include "pictures/WicDecoder.h"
#include "platform/Format.h"

namespace pictures {
namespace {

// Rows go into the picture part's pixels, allocated once the part is known.
class PartTarget : public JpegTarget {
 public:
  explicit PartTarget(PicturePart& part) : part_(part) {}
  void Begin(int width, int height, int, const std::vector<RgbQuad>&) override {
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

PicturePart DecodeJpegPart(std::span<const std::uint8_t> file, int scaleEighths, JpegDecodeOptions::Part shown) {
  PicturePart part;
  PartTarget target(part);
  DecodeJpeg(file,
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

// The file's first block read once, where nearly every header lies: a JPEG's segments asked one by
// one would each cost a read, and a library's first listing reads thousands of headers.
std::optional<PictureSize> HeaderSize(const platform::FileReader& file) {
  std::array<std::uint8_t, 4096> block{};
  const std::size_t inBlock = file.ReadAt(0, block);
  return PictureHeaderSize([&](std::uint64_t offset, std::span<std::uint8_t> bytes) {
    if (offset + bytes.size() > inBlock && inBlock == block.size()) return file.ReadAt(offset, bytes);
    const std::size_t got = offset < inBlock ? std::min<std::size_t>(bytes.size(), inBlock - offset) : 0;
    std::memcpy(bytes.data(), block.data() + std::min<std::size_t>(offset, inBlock), got);
    return got;
  });
}

}  // namespace

std::optional<PictureSize> PictureFileSize(const std::string& path, int& helperAsks) {
  const std::optional<PictureSize> size = HeaderSize(platform::FileReader(path));
  if (size || helperAsks <= 0 || !IsImagingComponentKind(path)) return size;
  --helperAsks;
  return PictureSizeInHelper(path);
}

PictureFile::PictureFile(const std::string& path, std::uint32_t background, HelperWait wait)
    : path_(path), background_(background), wait_(wait), file_(path) {
  std::array<std::uint8_t, 2> first{};
  const std::span<const std::uint8_t> start(first.data(), file_.ReadAt(0, first));
  kind_ = IsJpegFile(start) ? Kind::jpeg : IsBitmapFile(start) ? Kind::bitmap : Kind::imagingComponent;
}

// A JPEG the header reader gives up on (stray bytes before a marker, a stuffed zero, hundreds of
// segments) may still be one the decoder reads, as a wallpaper of one monitor reads it: its
// answer counts.
PictureSize PictureFile::Size() {
  if (kind_ == Kind::imagingComponent) return {Decoded().Width(), Decoded().Height()};
  if (const std::optional<PictureSize> size = HeaderSize(file_)) return *size;
  if (kind_ == Kind::jpeg) {
    try {
      const JpegHeader header = ReadJpegHeader(Bytes());
      return {header.width, header.height};
    } catch (const EJPEG&) {
    }
  }
  return {};
}

BgrPixels PictureFile::Pixels() {
  switch (kind_) {
    case Kind::jpeg:
      return DecodeJpegPart(Bytes(), 8, {}).pixels;
    case Kind::bitmap:
      return BitmapPixels(Bytes());
    case Kind::imagingComponent:
      break;
  }
  return std::move(Decoded());
}

PicturePart PictureFile::PartShown(const PixelRect& placed, const PixelRect& visible) {
  if (kind_ != Kind::jpeg) return WholePicture(Pixels());
  const PictureSize size = Size();
  if (size.width == 0) throw EJPEG(platform::Format("Cannot decode %s", path_.c_str()));  // no frame header
  const int eighths = JpegScaleEighths(size.width, size.height, placed.width, placed.height);
  const PixelRect part =
      ShownPart(JpegScaledSide(size.width, eighths), JpegScaledSide(size.height, eighths), placed, visible);
  if (part.width == 0 || part.height == 0) return {};
  return DecodeJpegPart(Bytes(), eighths, {part.left, part.top, part.width, part.height});
}

const std::vector<std::uint8_t>& PictureFile::Bytes() {
  if (!bytes_) bytes_ = file_.ReadAll();
  return *bytes_;
}

BgrPixels& PictureFile::Decoded() {
  if (!decoded_) decoded_ = OverColour(DecodeInHelper(path_, wait_).Picture(), background_);
  return *decoded_;
}

}  // namespace pictures
