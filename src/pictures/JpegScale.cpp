#include "pictures/JpegScale.h"

#include <cstdint>

namespace pictures {

int JpegScaleEighths(int width, int height, int neededWidth, int neededHeight) {
  // Halves, quarters and eighths have the decoder's fast inverse DCTs; the other scales cost more
  // than the whole picture.
  for (int eighths = 1; eighths < 8; eighths *= 2)
    if (JpegScaledSide(width, eighths) >= neededWidth && JpegScaledSide(height, eighths) >= neededHeight)
      return eighths;
  return 8;
}

int JpegScaledSide(int side, int eighths) { return static_cast<int>((std::int64_t{side} * eighths + 7) / 8); }

PixelRect ShownPart(int width, int height, const PixelRect& placed, const PixelRect& visible) {
  const auto [left, right] = ResampledReach(width, placed.left, placed.width, visible.left, visible.Right());
  const auto [top, bottom] = ResampledReach(height, placed.top, placed.height, visible.top, visible.Bottom());
  return {left, top, right - left, bottom - top};
}

}  // namespace pictures
