// A picture that the decoding helper process hands back: its size and its pixels, 32-bit
// premultiplied BGRA, top row first, after a header of its own making. Reading that answer trusts
// none of its numbers. Needs no Windows.
#pragma once

#include <algorithm>
#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "pictures/BgrPixels.h"
#include "pictures/PictureHeader.h"

namespace pictures {

// More pixels than this are no picture anyone shows: refused before anything is allocated.
inline constexpr std::uint64_t kMaxDecodedPixels = 250'000'000;

// A view of the pixels: they stay where the answer holds them.
struct DecodedPicture {
  int width = 0;
  int height = 0;
  std::span<const std::uint8_t> bgra;  // width × 4 bytes a row
};

inline constexpr std::size_t kDecodedHeaderBytes = 12;

// Whether a picture of that size may be decoded at all.
bool DecodablePictureSize(std::uint64_t width, std::uint64_t height);

// The helper's answer is this header (a mark, the width and height), then the rows.
std::vector<std::uint8_t> DecodedPictureHeader(int width, int height);
// The size the answer's header gives; nothing for a header of no decodable size.
std::optional<PictureSize> ParseDecodedPictureSize(std::span<const std::uint8_t> answer);
// The picture in the answer; nothing for anything but a whole answer of a decodable size. Reads
// the header only, so that an answer in memory mapped from elsewhere is not touched before.
std::optional<DecodedPicture> ParseDecodedPicture(std::span<const std::uint8_t> answer);

// A premultiplied colour channel that covers `cover` of 255 laid over `below`.
inline std::uint8_t LaidOver(int colour, int cover, int below) {
  return static_cast<std::uint8_t>(std::min(255, colour + (below * (255 - cover) + 127) / 255));
}

// The picture laid over a background of one colour (a colour value, red in the lowest byte).
BgrPixels OverColour(const DecodedPicture& picture, std::uint32_t rgb);

}  // namespace pictures
