// Converts a JPEG picture into a 24-bit bitmap file row by row: each decoded row goes straight
// to its place in the bottom-up file, so no whole picture is held in memory.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

namespace wallpaper {

// Where the file's bytes go: `size` bytes in all, each write at its offset.
struct BitmapFileSink {
  std::function<void(std::uint64_t size)> reserve;
  std::function<void(std::uint64_t offset, std::span<const std::uint8_t> bytes)> write;
};

// Fails with pictures::EJPEG or platform::EOutOfResources as the decoder does.
void WriteJpegAsBitmapFile(std::span<const std::uint8_t> jpeg, const BitmapFileSink& sink);

}  // namespace wallpaper
