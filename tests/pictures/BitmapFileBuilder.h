// Builds small bitmap files byte by byte, for tests of the bitmap reader and writer.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

namespace testing_support {

struct BitmapFileSpec {
  std::int32_t width = 3;
  std::int32_t height = 2;
  std::uint16_t bitCount = 24;
  std::uint32_t compression = 0;
  std::uint32_t headerSize = 40;  // 12 writes the core header of the OS/2 format
  std::uint16_t planes = 1;
  std::uint32_t sizeImage = 0;
  std::uint32_t clrUsed = 0;
  std::uint32_t tableEntries = 0;  // colour entries actually written
  std::vector<std::uint32_t> masks;  // written after a 40-byte header, or inside a larger one
  std::vector<std::uint8_t> pixels;  // written as they are; empty: a pattern of whole rows
};

// Bytes of one padded row and of all rows of the layout.
std::uint32_t RowBytes(const BitmapFileSpec& layout);
std::uint32_t AllRowBytes(const BitmapFileSpec& layout);

std::vector<std::uint8_t> BuildBitmapFile(const BitmapFileSpec& layout);

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, size_t offset);

}  // namespace testing_support
