#include "pictures/BitmapFormat.h"

#include <algorithm>
#include <cstring>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"

namespace pictures {
namespace {

constexpr std::uint32_t kFileHeaderSize = 14;
constexpr std::uint32_t kCoreHeaderSize = 12;
constexpr std::uint32_t kInfoHeaderSize = 40;
constexpr std::uint32_t kMaxColors = 256;

[[noreturn]] void Invalid() { throw EInvalidGraphic("Bitmap image is not valid"); }
[[noreturn]] void ReadError() { throw platform::EReadError("Stream read error"); }

std::uint16_t U16(const std::uint8_t* p) { return static_cast<std::uint16_t>(p[0] | p[1] << 8); }
std::uint32_t U32(const std::uint8_t* p) {
  return std::uint32_t{p[0]} | std::uint32_t{p[1]} << 8 | std::uint32_t{p[2]} << 16 | std::uint32_t{p[3]} << 24;
}
std::int32_t S32(const std::uint8_t* p) { return static_cast<std::int32_t>(U32(p)); }

// Reads forward through the file; running out of bytes is the caller's kind of error.
class Reader {
 public:
  explicit Reader(std::span<const std::uint8_t> data) : data_(data) {}
  size_t Remaining() const { return data_.size() - position_; }
  const std::uint8_t* Take(size_t count, void (*onShort)()) {
    if (count > Remaining()) onShort();
    const std::uint8_t* taken = data_.data() + position_;
    position_ += count;
    return taken;
  }
  std::span<const std::uint8_t> TakeUpTo(size_t count) {
    count = std::min(count, Remaining());
    return {Take(count, ReadError), count};
  }

 private:
  std::span<const std::uint8_t> data_;
  size_t position_ = 0;
};

void ReadInfoHeader(const std::uint8_t* p, InfoHeader& info) {
  info.width = S32(p + 4);
  info.height = S32(p + 8);
  info.planes = U16(p + 12);
  info.bitCount = U16(p + 14);
  info.compression = U32(p + 16);
  info.sizeImage = U32(p + 20);
  info.xPelsPerMeter = S32(p + 24);
  info.yPelsPerMeter = S32(p + 28);
  info.clrUsed = U32(p + 32);
  info.clrImportant = U32(p + 36);
}

std::uint32_t DefaultColorCount(std::uint16_t bitCount) {
  switch (bitCount) {
    case 1: return 2;
    case 4: return 16;
    case 8: return 256;
    default: return 0;
  }
}

bool IsDibBitCount(std::uint16_t bitCount) {
  return bitCount == 1 || bitCount == 2 || bitCount == 4 || bitCount == 8 || bitCount == 16 ||
         bitCount == 24 || bitCount == 32;
}

// Refuses what no bitmap can be made of, before its pixels are allocated.
void CheckGeometry(const BitmapFormat& format) {
  const InfoHeader& info = format.info;
  if (info.width <= 0 || info.height == 0 || info.bitCount == 0 || info.bitCount > 32) Invalid();
  if (!format.Compressed()) {
    if (!IsDibBitCount(info.bitCount)) Invalid();
    if (info.compression == kCompressionBitFields && info.bitCount != 16 && info.bitCount != 32) Invalid();
  }
  if (format.PixelBytes() > kMaxPixelBytes) Invalid();
}

class Writer {
 public:
  void U8(std::uint8_t v) { bytes.push_back(v); }
  void U16(std::uint32_t v) {
    U8(static_cast<std::uint8_t>(v));
    U8(static_cast<std::uint8_t>(v >> 8));
  }
  void U32(std::uint32_t v) {
    U16(v & 0xFFFF);
    U16(v >> 16);
  }
  std::vector<std::uint8_t> bytes;
};

}  // namespace

bool BitmapFormat::Compressed() const {
  return info.compression != kCompressionNone && info.compression != kCompressionBitFields;
}

std::uint64_t BitmapFormat::RowBytes() const {
  const std::uint64_t bits = static_cast<std::uint64_t>(std::max(info.width, 0)) * info.bitCount;
  return (bits + 31) / 32 * 4;
}

std::uint64_t BitmapFormat::PixelBytes() const {
  const std::int64_t height = info.height;
  return RowBytes() * static_cast<std::uint64_t>(height < 0 ? -height : height);
}

ParsedBitmap ParseBitmap(std::span<const std::uint8_t> file) {
  ParsedBitmap result;
  if (file.empty()) return result;
  result.empty = false;
  BitmapFormat& format = result.format;
  InfoHeader& info = format.info;

  Reader in(file);
  const std::uint8_t* fileHeader = in.Take(kFileHeaderSize, ReadError);
  if (fileHeader[0] != 'B' || fileHeader[1] != 'M') Invalid();

  // A file that ends inside its header, or whose header has no known size, is no bitmap.
  const std::uint8_t* header = in.Take(4, Invalid);
  const std::uint32_t headerSize = U32(header);
  if (headerSize == kCoreHeaderSize) {
    in.Take(kCoreHeaderSize - 4, Invalid);
    info.width = U16(header + 4);
    info.height = U16(header + 6);
    info.planes = U16(header + 8);
    info.bitCount = U16(header + 10);
    format.os2 = true;
  } else if (headerSize >= kInfoHeaderSize) {
    in.Take(headerSize - 4, Invalid);
    ReadInfoHeader(header, info);
    // Larger headers carry the bit-field masks right after the first 40 bytes.
    if (headerSize >= kInfoHeaderSize + 12 && info.compression == kCompressionBitFields)
      for (int i = 0; i < 3; ++i) format.masks[i] = U32(header + kInfoHeaderSize + 4 * i);
  } else {
    Invalid();
  }

  if (info.planes != 1) Invalid();
  if (headerSize == kInfoHeaderSize && (info.bitCount == 16 || info.bitCount == 32) &&
      info.compression == kCompressionBitFields) {
    const std::uint8_t* masks = in.Take(12, ReadError);
    for (int i = 0; i < 3; ++i) format.masks[i] = U32(masks + 4 * i);
  }

  if (info.clrUsed > kMaxColors) Invalid();
  if (info.clrUsed == 0) info.clrUsed = DefaultColorCount(info.bitCount);
  const size_t entrySize = format.os2 ? 3 : 4;
  const std::uint8_t* table = in.Take(entrySize * info.clrUsed, ReadError);
  format.colorTable.resize(info.clrUsed);
  for (std::uint32_t i = 0; i < info.clrUsed; ++i, table += entrySize)
    format.colorTable[i] = RgbQuad{table[0], table[1], table[2], 0};

  CheckGeometry(format);
  // The pixel data starts right after the colour table.
  std::uint64_t size = info.sizeImage != 0 ? info.sizeImage : format.PixelBytes();
  if (!format.Compressed()) size = std::min(size, format.PixelBytes());
  result.pixelData = in.TakeUpTo(static_cast<size_t>(size));
  info.sizeImage = format.Compressed() ? static_cast<std::uint32_t>(result.pixelData.size())
                                       : static_cast<std::uint32_t>(format.PixelBytes());
  return result;
}

std::vector<std::uint8_t> EncodeBitmapHeaders(const BitmapFormat& format) {
  const InfoHeader& info = format.info;
  const std::uint32_t fullTable = info.bitCount <= 8 ? 1u << info.bitCount : 0;
  // Paletted bitmaps write their whole table, or the part in use; deeper ones write back a
  // table they were given, so that the file stays consistent with its colours-used field.
  std::uint32_t entries = info.clrUsed;
  if (info.bitCount <= 8) entries = info.clrUsed != 0 ? std::min(info.clrUsed, fullTable) : fullTable;
  const bool writeMasks = info.bitCount > 8 && info.compression == kCompressionBitFields;
  std::array<std::uint32_t, 3> masks = format.masks;
  if (writeMasks && masks[0] == 0)
    masks = info.bitCount == 16 ? std::array<std::uint32_t, 3>{0xF800, 0x07E0, 0x001F}
                                : std::array<std::uint32_t, 3>{0xFF0000, 0x00FF00, 0x0000FF};

  std::uint32_t headerSize = 0;
  if (format.os2) {
    // The core header has no colours-used field: write the table a reader takes by default.
    entries = DefaultColorCount(info.bitCount);
    headerSize = kCoreHeaderSize + 3 * entries;
  } else {
    headerSize = kInfoHeaderSize + (writeMasks ? 12 : 0) + 4 * entries;
  }
  const auto pixelBytes = static_cast<std::uint32_t>(format.PixelBytes());

  Writer out;
  out.U8('B');
  out.U8('M');
  out.U32(kFileHeaderSize + headerSize + pixelBytes);
  out.U32(0);
  out.U32(kFileHeaderSize + headerSize);
  if (format.os2) {
    out.U32(kCoreHeaderSize);
    out.U16(static_cast<std::uint32_t>(info.width));
    out.U16(static_cast<std::uint32_t>(info.height));
    out.U16(1);
    out.U16(info.bitCount);
  } else {
    out.U32(kInfoHeaderSize);
    out.U32(static_cast<std::uint32_t>(info.width));
    out.U32(static_cast<std::uint32_t>(info.height));
    out.U16(1);
    out.U16(info.bitCount);
    out.U32(info.compression);
    out.U32(pixelBytes);
    out.U32(static_cast<std::uint32_t>(info.xPelsPerMeter));
    out.U32(static_cast<std::uint32_t>(info.yPelsPerMeter));
    out.U32(entries != 0 ? entries : info.clrUsed);
    out.U32(info.clrImportant);
    if (writeMasks)
      for (std::uint32_t mask : masks) out.U32(mask);
  }
  for (std::uint32_t i = 0; i < entries; ++i) {
    const RgbQuad color = i < format.colorTable.size() ? format.colorTable[i] : RgbQuad{};
    out.U8(color.blue);
    out.U8(color.green);
    out.U8(color.red);
    if (!format.os2) out.U8(0);
  }
  return std::move(out.bytes);
}

}  // namespace pictures
