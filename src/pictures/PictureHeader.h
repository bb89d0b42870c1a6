// A picture's size from its file's header alone, whatever the file is called: JPEG, bitmap, PNG,
// GIF, TIFF, WebP and icons, told apart by their first bytes. What precedes a JPEG's frame header (EXIF and
// other segments) is skipped by its length, never read, so that a few kilobytes at most are read
// of a file on a slow share. Needs no Windows.
#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>

namespace pictures {

struct PictureSize {
  int width = 0;
  int height = 0;
};

// Reads up to `bytes.size()` bytes of the file from `offset` into `bytes`; fewer at its end.
using ReadFileAt = std::function<std::size_t(std::uint64_t offset, std::span<std::uint8_t> bytes)>;

// Nothing for a file of another kind, a damaged header or a size of 0.
std::optional<PictureSize> PictureHeaderSize(const ReadFileAt& read);

// Told apart by their first bytes.
bool IsJpegFile(std::span<const std::uint8_t> file);
bool IsBitmapFile(std::span<const std::uint8_t> file);

}  // namespace pictures
