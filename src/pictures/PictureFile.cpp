#include "pictures/PictureFile.h"

#include <array>

#include "pictures/BitmapPixels.h"
#include "pictures/DecodeHelper.h"
#include "pictures/JpegDecoder.h"
#include "pictures/JpegScale.h"
#include "pictures/WicDecoder.h"
#include "platform/Files.h"

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

std::optional<PictureSize> HeaderSize(const std::string& path) {
  const platform::FileReader file(path);
  return PictureHeaderSize(
      [&](std::uint64_t offset, std::span<std::uint8_t> bytes) { return file.ReadAt(offset, bytes); });
}

}  // namespace

std::optional<PictureSize> PictureFileSize(const std::string& path) {
  const std::optional<PictureSize> size = HeaderSize(path);
  return size || !IsImagingComponentKind(path) ? size : PictureSizeInHelper(path);
}

PictureFile::PictureFile(const std::string& path, std::uint32_t background) : path_(path), background_(background) {
  std::array<std::uint8_t, 2> first{};
  const std::span<const std::uint8_t> start(first.data(), platform::FileReader(path).ReadAt(0, first));
  kind_ = IsJpegFile(start) ? Kind::jpeg : IsBitmapFile(start) ? Kind::bitmap : Kind::imagingComponent;
}

PictureSize PictureFile::Size() {
  if (kind_ == Kind::imagingComponent) return {Decoded().Width(), Decoded().Height()};
  return HeaderSize(path_).value_or(PictureSize{});
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
  const JpegHeader header = ReadJpegHeader(Bytes());
  const int eighths = JpegScaleEighths(header.width, header.height, placed.width, placed.height);
  const PixelRect part =
      ShownPart(JpegScaledSide(header.width, eighths), JpegScaledSide(header.height, eighths), placed, visible);
  if (part.width == 0 || part.height == 0) return {};
  return DecodeJpegPart(Bytes(), eighths, {part.left, part.top, part.width, part.height});
}

const std::vector<std::uint8_t>& PictureFile::Bytes() {
  if (!bytes_) bytes_ = platform::ReadWholeFile(path_);
  return *bytes_;
}

BgrPixels& PictureFile::Decoded() {
  if (!decoded_) decoded_ = OverColour(DecodeInHelper(path_).Picture(), background_);
  return *decoded_;
}

}  // namespace pictures
