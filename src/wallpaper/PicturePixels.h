// A picture file (JPEG or bitmap) as pixels for a composed wallpaper.
#pragma once

#include <cstdint>
#include <span>

#include "pictures/BgrPixels.h"
#include "pictures/PictureHeader.h"
#include "platform/Files.h"
#include "wallpaper/MonitorPlacement.h"

namespace wallpaper {

using pictures::IsBitmapFile;
using pictures::IsJpegFile;

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
