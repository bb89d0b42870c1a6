// Windows bitmap files: reading their headers, colour table and pixel data, and writing the
// headers of a saved file. Pure logic, so that it builds natively for sanitizers and fuzzing.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

namespace pictures {

inline constexpr std::uint32_t kCompressionNone = 0;
inline constexpr std::uint32_t kCompressionBitFields = 3;

// Above this many bytes of decoded pixels a file is refused before anything is allocated.
inline constexpr std::uint64_t kMaxPixelBytes = std::uint64_t{1} << 30;

struct RgbQuad {
  std::uint8_t blue = 0, green = 0, red = 0, reserved = 0;
  bool operator==(const RgbQuad&) const = default;
};

// The 40-byte info header's fields.
struct InfoHeader {
  std::int32_t width = 0;
  std::int32_t height = 0;  // negative: top row first
  std::uint16_t planes = 1;
  std::uint16_t bitCount = 0;
  std::uint32_t compression = kCompressionNone;
  std::uint32_t sizeImage = 0;
  std::int32_t xPelsPerMeter = 0;
  std::int32_t yPelsPerMeter = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t clrImportant = 0;
};

// Everything of a bitmap but its pixels.
struct BitmapFormat {
  InfoHeader info;
  std::array<std::uint32_t, 3> masks = {};  // red, green, blue; bit fields only
  std::vector<RgbQuad> colorTable;
  bool os2 = false;  // read from a 12-byte core header

  // Compression other than none and bit fields: the file is kept whole.
  bool Compressed() const;
  // Bytes of one row, a multiple of 4, and of all rows.
  std::uint64_t RowBytes() const;
  std::uint64_t PixelBytes() const;
};

struct ParsedBitmap {
  bool empty = true;
  BitmapFormat format;
  // Uncompressed: the rows found in the file, at most PixelBytes() (a short file gives fewer).
  // Compressed: the compressed pixel data.
  std::span<const std::uint8_t> pixelData;
};

// Reads a bitmap file held in memory. Throws EInvalidGraphic ("Bitmap image is not valid")
// for a file that is no usable bitmap, and platform::EReadError ("Stream read error") for one that
// ends in its first 14 bytes, its masks or its colour table. No bytes at all give an empty bitmap.
ParsedBitmap ParseBitmap(std::span<const std::uint8_t> file);

// The file header, info header, masks and colour table of the file that saves an uncompressed
// bitmap; the PixelBytes() of pixel rows follow them.
std::vector<std::uint8_t> EncodeBitmapHeaders(const BitmapFormat& format);

}  // namespace pictures
