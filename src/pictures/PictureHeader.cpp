#include "pictures/PictureHeader.h"

#include <algorithm>
#include <array>
#include <cstring>

namespace pictures {
namespace {

// A JPEG's segments before its frame header are passed over by their lengths; a file with more
// of them than this is taken for damaged.
constexpr int kMaxJpegSegments = 256;
// TIFF directory entries read at most: width and height come among the first.
constexpr std::uint32_t kMaxTiffEntries = 64;
// An icon's directory entries read at most; icons hold a few sizes.
constexpr std::uint32_t kMaxIconEntries = 64;
constexpr char kPngSignature[] = "\x89PNG\r\n\x1A\n\0\0\0\x0DIHDR";

std::uint32_t Little(const std::uint8_t* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = count - 1; i >= 0; --i) value = value << 8 | bytes[i];
  return value;
}
std::uint32_t Big(const std::uint8_t* bytes, int count) {
  std::uint32_t value = 0;
  for (int i = 0; i < count; ++i) value = value << 8 | bytes[i];
  return value;
}

std::optional<PictureSize> Sized(std::int64_t width, std::int64_t height) {
  if (width <= 0 || height <= 0 || width > INT32_MAX || height > INT32_MAX) return std::nullopt;
  return PictureSize{static_cast<int>(width), static_cast<int>(height)};
}

// Exactly `N` bytes from `offset`, or nothing.
template <std::size_t N>
std::optional<std::array<std::uint8_t, N>> Bytes(const ReadFileAt& read, std::uint64_t offset) {
  std::array<std::uint8_t, N> bytes{};
  if (read(offset, bytes) != N) return std::nullopt;
  return bytes;
}

bool IsFrameHeader(std::uint8_t marker) {
  // SOF0 to SOF15, but for DHT (C4), JPG (C8) and DAC (CC), which share the range.
  return marker >= 0xC0 && marker <= 0xCF && marker != 0xC4 && marker != 0xC8 && marker != 0xCC;
}

std::optional<PictureSize> JpegSize(const ReadFileAt& read) {
  std::uint64_t at = 2;
  for (int segment = 0; segment < kMaxJpegSegments; ++segment) {
    const auto marker = Bytes<4>(read, at);
    if (!marker || (*marker)[0] != 0xFF) return std::nullopt;
    const std::uint8_t kind = (*marker)[1];
    if (kind == 0xFF) {  // fill before a marker
      ++at;
      continue;
    }
    if (kind == 0x01 || (kind >= 0xD0 && kind <= 0xD8)) {  // markers without a length
      at += 2;
      continue;
    }
    // The scan came first; or FF 00, a stuffed zero, which the decoder skips with what follows
    // up to the next marker: a length read from it would land anywhere.
    if (kind == 0xDA || kind == 0xD9 || kind == 0x00) return std::nullopt;
    if (IsFrameHeader(kind)) {
      const auto frame = Bytes<5>(read, at + 4);  // precision, height, width
      if (!frame) return std::nullopt;
      return Sized(Big(frame->data() + 3, 2), Big(frame->data() + 1, 2));
    }
    at += 2 + Big(marker->data() + 2, 2);
  }
  return std::nullopt;
}

std::optional<PictureSize> BitmapSize(const ReadFileAt& read) {
  const auto info = Bytes<12>(read, 14);
  if (!info) return std::nullopt;
  if (Little(info->data(), 4) == 12)  // the core header's 16-bit sizes
    return Sized(Little(info->data() + 4, 2), Little(info->data() + 6, 2));
  const auto height = static_cast<std::int32_t>(Little(info->data() + 8, 4));
  return Sized(static_cast<std::int32_t>(Little(info->data() + 4, 4)),
               height < 0 ? -static_cast<std::int64_t>(height) : height);
}

std::optional<PictureSize> TiffSize(const ReadFileAt& read, bool little) {
  const auto number = [little](const std::uint8_t* bytes, int count) {
    return little ? Little(bytes, count) : Big(bytes, count);
  };
  const auto start = Bytes<8>(read, 0);
  if (!start) return std::nullopt;
  const std::uint64_t directory = number(start->data() + 4, 4);
  const auto count = Bytes<2>(read, directory);
  if (!count) return std::nullopt;
  std::int64_t width = 0, height = 0;
  for (std::uint32_t entry = 0; entry < std::min(number(count->data(), 2), kMaxTiffEntries); ++entry) {
    const auto field = Bytes<12>(read, directory + 2 + 12 * std::uint64_t{entry});
    if (!field) return std::nullopt;
    const std::uint32_t tag = number(field->data(), 2), type = number(field->data() + 2, 2);
    const std::uint32_t value = type == 3 ? number(field->data() + 8, 2) : number(field->data() + 8, 4);
    if (type != 3 && type != 4) continue;
    if (tag == 256) width = value;
    if (tag == 257) height = value;
  }
  return Sized(width, height);
}

// The size of a PNG whose first 24 bytes are `first`: its signature, then IHDR's width and height.
std::optional<PictureSize> PngSize(std::span<const std::uint8_t> first) {
  if (first.size() < 24 || std::memcmp(first.data(), kPngSignature, 16) != 0) return std::nullopt;
  return Sized(Big(&first[16], 4), Big(&first[20], 4));
}

// The first chunk tells the kind: lossy ("VP8 ", the key frame's 14-bit sides), lossless
// ("VP8L", sides less one in 14 bits each) or extended ("VP8X", the canvas's sides less one in 24
// bits each). `first` holds the file's first 30 bytes.
std::optional<PictureSize> WebpSize(std::span<const std::uint8_t> first) {
  if (first.size() < 30) return std::nullopt;
  const std::uint8_t* chunk = &first[12];
  const std::uint8_t* data = &first[20];
  if (std::memcmp(chunk, "VP8 ", 4) == 0) {
    if (data[3] != 0x9D || data[4] != 0x01 || data[5] != 0x2A) return std::nullopt;
    return Sized(Little(data + 6, 2) & 0x3FFF, Little(data + 8, 2) & 0x3FFF);
  }
  if (std::memcmp(chunk, "VP8L", 4) == 0) {
    if (data[0] != 0x2F) return std::nullopt;
    const std::uint32_t sides = Little(data + 1, 4);
    return Sized((sides & 0x3FFF) + 1, (sides >> 14 & 0x3FFF) + 1);
  }
  if (std::memcmp(chunk, "VP8X", 4) == 0) return Sized(Little(data + 4, 3) + 1, Little(data + 7, 3) + 1);
  return std::nullopt;
}

// The largest picture of the directory (a side of 0 there means 256); one kept as a PNG gives
// its own size, which may be larger.
std::optional<PictureSize> IconSize(const ReadFileAt& read, std::uint32_t entries) {
  if (entries == 0) return std::nullopt;
  std::int64_t width = 0, height = 0;
  std::uint64_t offset = 0;
  for (std::uint32_t entry = 0; entry < std::min(entries, kMaxIconEntries); ++entry) {
    const auto field = Bytes<16>(read, 6 + 16 * std::uint64_t{entry});
    if (!field) return std::nullopt;
    const std::int64_t entryWidth = (*field)[0] ? (*field)[0] : 256, entryHeight = (*field)[1] ? (*field)[1] : 256;
    if (entryWidth * entryHeight > width * height) {
      width = entryWidth;
      height = entryHeight;
      offset = Little(field->data() + 12, 4);
    }
  }
  if (const auto png = Bytes<24>(read, offset)) {
    if (const std::optional<PictureSize> size = PngSize(*png)) return size;
  }
  return Sized(width, height);
}

}  // namespace

bool IsJpegFile(std::span<const std::uint8_t> file) { return file.size() >= 2 && file[0] == 0xFF && file[1] == 0xD8; }
bool IsBitmapFile(std::span<const std::uint8_t> file) { return file.size() >= 2 && file[0] == 'B' && file[1] == 'M'; }

std::optional<PictureSize> PictureHeaderSize(const ReadFileAt& read) {
  std::array<std::uint8_t, 30> first{};  // the longest beginning that tells a size: a WebP's
  const std::size_t got = read(0, first);
  const std::span<const std::uint8_t> start(first.data(), got);
  const auto startsWith = [&](const char* mark, std::size_t length) {
    return got >= length && std::memcmp(first.data(), mark, length) == 0;
  };
  if (IsJpegFile(start)) return JpegSize(read);
  if (IsBitmapFile(start)) return BitmapSize(read);
  if (startsWith(kPngSignature, 16)) return PngSize(start);
  if (got >= 10 && (startsWith("GIF87a", 6) || startsWith("GIF89a", 6)))
    return Sized(Little(&first[6], 2), Little(&first[8], 2));
  if (startsWith("II*\0", 4)) return TiffSize(read, true);
  if (startsWith("MM\0*", 4)) return TiffSize(read, false);
  if (startsWith("RIFF", 4) && got >= 12 && std::memcmp(&first[8], "WEBP", 4) == 0) return WebpSize(start);
  if (startsWith("\0\0\x01\0", 4) && got >= 6) return IconSize(read, Little(&first[4], 2));
  return std::nullopt;
}

}  // namespace pictures
