#include "pictures/DecodedPicture.h"

#include <cstring>

namespace pictures {
namespace {

constexpr char kMark[4] = {'V', 'W', 'I', 'C'};

void PutU32(std::vector<std::uint8_t>& bytes, std::uint32_t value) {
  for (int shift = 0; shift < 32; shift += 8) bytes.push_back(static_cast<std::uint8_t>(value >> shift));
}

std::uint32_t U32At(std::span<const std::uint8_t> bytes, std::size_t at) {
  return bytes[at] | (bytes[at + 1] << 8) | (bytes[at + 2] << 16) | (std::uint32_t{bytes[at + 3]} << 24);
}

}  // namespace

bool DecodablePictureSize(std::uint64_t width, std::uint64_t height) {
  return width > 0 && height > 0 && width <= kMaxDecodedPixels && height <= kMaxDecodedPixels &&
         width * height <= kMaxDecodedPixels;
}

std::vector<std::uint8_t> DecodedPictureHeader(int width, int height) {
  std::vector<std::uint8_t> header(std::begin(kMark), std::end(kMark));
  PutU32(header, static_cast<std::uint32_t>(width));
  PutU32(header, static_cast<std::uint32_t>(height));
  return header;
}

std::optional<PictureSize> ParseDecodedPictureSize(std::span<const std::uint8_t> answer) {
  if (answer.size() < kDecodedHeaderBytes || std::memcmp(answer.data(), kMark, sizeof kMark) != 0)
    return std::nullopt;
  const std::uint64_t width = U32At(answer, 4), height = U32At(answer, 8);
  if (!DecodablePictureSize(width, height)) return std::nullopt;
  return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

std::optional<DecodedPicture> ParseDecodedPicture(std::span<const std::uint8_t> answer) {
  const std::optional<PictureSize> size = ParseDecodedPictureSize(answer);
  if (!size || answer.size() - kDecodedHeaderBytes != std::uint64_t{4} * size->width * size->height)
    return std::nullopt;
  return DecodedPicture{size->width, size->height, answer.subspan(kDecodedHeaderBytes)};
}

BgrPixels OverColour(const DecodedPicture& picture, std::uint32_t rgb) {
  BgrPixels pixels(picture.width, picture.height);
  const std::array<std::uint8_t, 3> background = BgrOf(rgb);
  for (int y = 0; y < picture.height; ++y) {
    const std::uint8_t* source = picture.bgra.data() + static_cast<std::size_t>(y) * picture.width * 4;
    std::uint8_t* out = pixels.Row(y);
    for (int x = 0; x < picture.width; ++x, source += 4, out += 3)
      for (int c = 0; c < 3; ++c) out[c] = LaidOver(source[c], source[3], background[c]);
  }
  return pixels;
}

}  // namespace pictures
