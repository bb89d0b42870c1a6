// A picture file (JPEG or bitmap) as pixels for a composed wallpaper, and its size from its
// header alone.
#pragma once

#include <cstdint>
#include <optional>
#include <span>

#include "platform/Files.h"
#include "pictures/BgrPixels.h"
#include "wallpaper/MonitorPlacement.h"

namespace wallpaper {

// Told apart by their first bytes, whatever the file is called.
bool IsJpegFile(std::span<const std::uint8_t> file);
bool IsBitmapFile(std::span<const std::uint8_t> file);

struct PictureSize {
  int width = 0;
  int height = 0;
};

// The size the file's header gives (a bitmap's info header, a JPEG's frame header), nothing
// decoded; nothing for a file that is neither, or whose header is damaged.
std::optional<PictureSize> PictureFileSize(std::span<const std::uint8_t> file);

// The file's pixels at their own size. Fails as the picture's decoder does, with
// pictures::EInvalidGraphic for a file that is neither a JPEG nor a bitmap.
BgrPixels PicturePixels(std::span<const std::uint8_t> file);
// The file's pixels for drawing over `placed` where `visible` (within it) shows: a JPEG at the
// smallest of its DCT scales that still gives the placed size, and only the part that shows; a
// bitmap whole.
PicturePart PicturePartShown(std::span<const std::uint8_t> file, const PixelRect& placed, const PixelRect& visible);

// A bitmap file of any layout drawn into 24-bit rows.
BgrPixels BitmapPixels(std::span<const std::uint8_t> file);

// Writes the pixels as a plain 24-bit bitmap file, its rows bottom up.
void WriteBitmapFile(const BgrPixels& pixels, platform::ReplacementFile& target);

}  // namespace wallpaper
