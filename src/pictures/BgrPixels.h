// Pixels of three bytes each (blue, green, red), top row first, every row padded to four bytes as
// a bitmap file keeps its rows; and the program's own drawing of them: areas of one colour,
// pictures scaled with its own resampler, pictures tiled. Needs no Windows.
#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <span>
#include <utility>
#include <vector>

namespace pictures {

struct PixelRect {
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;

  int Right() const { return left + width; }
  int Bottom() const { return top + height; }
  bool operator==(const PixelRect&) const = default;
};

// A colour value (red in the lowest byte) as a pixel's bytes: blue, green, red.
inline std::array<std::uint8_t, 3> BgrOf(std::uint32_t rgb) {
  return {static_cast<std::uint8_t>(rgb >> 16), static_cast<std::uint8_t>(rgb >> 8), static_cast<std::uint8_t>(rgb)};
}

// What two rectangles share; empty (width or height 0) when nothing.
PixelRect Intersection(const PixelRect& a, const PixelRect& b);

class BgrPixels {
 public:
  BgrPixels() = default;
  // All in `rgb`, a colour value (red in the lowest byte), the rows' padding zero. Fails with
  // platform::EOutOfResources beyond what a sensible picture needs.
  BgrPixels(int width, int height, std::uint32_t rgb = 0);

  int Width() const { return width_; }
  int Height() const { return height_; }
  std::size_t Stride() const { return stride_; }
  std::uint8_t* Row(int y) { return bytes_.get() + static_cast<std::size_t>(y) * stride_; }
  const std::uint8_t* Row(int y) const { return bytes_.get() + static_cast<std::size_t>(y) * stride_; }

  // `rgb` as a colour value (red in the lowest byte) over `area`, as far as it lies within.
  void Fill(const PixelRect& area, std::uint32_t rgb);
  // Every row turned left by `columns`, and the rows turned up by `rows`: what a bitmap tiled
  // from that column and row shows.
  void Turn(int columns, int rows);

 private:
  int width_ = 0;
  int height_ = 0;
  std::size_t stride_ = 0;
  std::unique_ptr<std::uint8_t[]> bytes_;
};

// A picture, or the part of it that shows: `pixels` lie at `left`, `top` of a picture of `width`
// x `height`.
struct PicturePart {
  BgrPixels pixels;
  int left = 0;
  int top = 0;
  int width = 0;
  int height = 0;
};
PicturePart WholePicture(BgrPixels pixels);

// Draws `picture` scaled to `target` (in `canvas`'s pixels), only where it lies within `clip`:
// each pixel averages the picture's pixels it covers when it is shrunk, and blends its four
// nearest bilinearly when it is enlarged. Of a part, only what it holds is read.
void DrawScaled(const PicturePart& picture, const PixelRect& target, const PixelRect& clip, BgrPixels& canvas);
// Rows of four bytes a pixel (`width` x `height`, no padding) drawn whole at `drawnWidth` x
// `drawnHeight` as DrawScaled draws, into rows of four bytes a pixel.
std::vector<std::uint8_t> ScaledBgra(std::span<const std::uint8_t> bgra, int width, int height, int drawnWidth,
                                     int drawnHeight);
// The picture's coordinates [first, end) that DrawScaled reads for drawn coordinates [from, to)
// of a side `pictureSize` long drawn `drawnSize` long from `drawnStart`; [0, 0) for none.
std::pair<int, int> ResampledReach(int pictureSize, int drawnStart, int drawnSize, int from, int to);
// Draws `picture` at its size again and again from `area`'s corner, within `area`.
void DrawTiled(const BgrPixels& picture, const PixelRect& area, BgrPixels& canvas);

}  // namespace pictures
