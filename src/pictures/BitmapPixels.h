// Bitmap files as 24-bit pixels and back: any layout drawn into rows, and rows written as a
// plain bitmap file.
#pragma once

#include <cstdint>
#include <span>

#include "pictures/BgrPixels.h"
#include "platform/Files.h"

namespace pictures {

// A bitmap file of any layout drawn into 24-bit rows. Fails as the bitmap kind's loader does.
BgrPixels BitmapPixels(std::span<const std::uint8_t> file);

// Writes the pixels as a plain 24-bit bitmap file, its rows bottom up.
void WriteBitmapFile(const BgrPixels& pixels, platform::ReplacementFile& target);

}  // namespace pictures
