#include "pictures/BitmapFileBuilder.h"

#include <cstdlib>

namespace testing_support {
namespace {

void Put16(std::vector<std::uint8_t>& out, std::uint32_t v) {
  out.push_back(static_cast<std::uint8_t>(v));
  out.push_back(static_cast<std::uint8_t>(v >> 8));
}
void Put32(std::vector<std::uint8_t>& out, std::uint32_t v) {
  Put16(out, v & 0xFFFF);
  Put16(out, v >> 16);
}

}  // namespace

std::uint32_t RowBytes(const BitmapFileSpec& layout) {
  return (static_cast<std::uint32_t>(layout.width) * layout.bitCount + 31) / 32 * 4;
}

std::uint32_t AllRowBytes(const BitmapFileSpec& layout) {
  return RowBytes(layout) * static_cast<std::uint32_t>(std::abs(layout.height));
}

std::vector<std::uint8_t> BuildBitmapFile(const BitmapFileSpec& layout) {
  std::vector<std::uint8_t> out = {'B', 'M'};
  Put32(out, 0);  // file size: not read
  Put32(out, 0);
  Put32(out, 0);  // offset of the rows: not read
  Put32(out, layout.headerSize);
  if (layout.headerSize == 12) {
    Put16(out, static_cast<std::uint32_t>(layout.width));
    Put16(out, static_cast<std::uint32_t>(layout.height));
    Put16(out, layout.planes);
    Put16(out, layout.bitCount);
  } else {
    Put32(out, static_cast<std::uint32_t>(layout.width));
    Put32(out, static_cast<std::uint32_t>(layout.height));
    Put16(out, layout.planes);
    Put16(out, layout.bitCount);
    Put32(out, layout.compression);
    Put32(out, layout.sizeImage);
    Put32(out, 2835);
    Put32(out, 2835);
    Put32(out, layout.clrUsed);
    Put32(out, 0);
    size_t extra = layout.headerSize > 40 ? layout.headerSize - 40 : 0;
    if (extra >= 12 && !layout.masks.empty()) {
      for (std::uint32_t mask : layout.masks) Put32(out, mask);
      extra -= 12;
    }
    out.insert(out.end(), extra, 0);
    if (layout.headerSize == 40)
      for (std::uint32_t mask : layout.masks) Put32(out, mask);
  }
  for (std::uint32_t i = 0; i < layout.tableEntries; ++i) {
    out.push_back(static_cast<std::uint8_t>(i * 3));
    out.push_back(static_cast<std::uint8_t>(i * 5));
    out.push_back(static_cast<std::uint8_t>(i * 7));
    if (layout.headerSize != 12) out.push_back(0);
  }
  if (!layout.pixels.empty()) {
    out.insert(out.end(), layout.pixels.begin(), layout.pixels.end());
  } else {
    for (std::uint32_t i = 0; i < AllRowBytes(layout); ++i) out.push_back(static_cast<std::uint8_t>(i * 37 + 11));
  }
  return out;
}

std::uint32_t ReadU32(const std::vector<std::uint8_t>& bytes, size_t offset) {
  return std::uint32_t{bytes[offset]} | std::uint32_t{bytes[offset + 1]} << 8 |
         std::uint32_t{bytes[offset + 2]} << 16 | std::uint32_t{bytes[offset + 3]} << 24;
}

}  // namespace testing_support
