// How much of a JPEG a drawing needs: the decoder's fast scale that still gives the drawn size,
// and the part of the picture at that scale that the resampler reads for what shows. Needs no
// Windows.
#pragma once

#include "pictures/BgrPixels.h"

namespace pictures {

// The JPEG decoder's scale, in eighths, that gives at least `neededWidth` x `neededHeight` of a
// picture of `width` x `height` with the least work: 1, 2, 4, or 8 when it is needed whole.
int JpegScaleEighths(int width, int height, int neededWidth, int neededHeight);
// A side's length at that scale, rounded up as the decoder rounds it.
int JpegScaledSide(int side, int eighths);

// The part of a picture of `width` x `height`, drawn over `placed`, that the resampler reads for
// what shows within `visible` (both in the same pixels).
PixelRect ShownPart(int width, int height, const PixelRect& placed, const PixelRect& visible);

}  // namespace pictures
