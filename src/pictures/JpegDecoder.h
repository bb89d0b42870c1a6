// JPEG pictures through libjpeg-turbo: the header alone, or all rows into a caller's bitmap.
// Pure logic, so that it builds natively for sanitizers and fuzzing.
#pragma once

#include <cstdint>
#include <functional>
#include <span>
#include <vector>

#include "pictures/BitmapFormat.h"

namespace pictures {

struct JpegHeader {
  int width = 0;
  int height = 0;
  bool grayscale = false;
  bool progressive = false;
};

// Fails with EJPEG ("JPEG error #%d", libjpeg's message code); warnings are ignored.
JpegHeader ReadJpegHeader(std::span<const std::uint8_t> file);

// Where decoded rows go, top row first.
class JpegTarget {
 public:
  virtual ~JpegTarget() = default;
  // Once the output is known: BGR rows of 24 or 32 bits (the fourth byte unused), or 8-bit rows
  // with `palette`.
  virtual void Begin(int width, int height, int bitsPerPixel, const std::vector<RgbQuad>& palette) = 0;
  // Only the part asked for comes, after Begin: columns [left, left + width) of rows [top, top +
  // height), the columns perhaps more than asked (the decoder's blocks decide).
  virtual void Part(int /*left*/, int /*top*/, int /*width*/, int /*height*/) {}
  // Room for row `y`: width (the part's, when there is one) × bits per pixel / 8 bytes.
  virtual std::uint8_t* Row(int y) = 0;
  // Rows [firstRow, endRow) have been decoded since the last report, and `percent` of the
  // work is done; `redraw` asks for them to be shown now. Must not throw.
  virtual void Progress(int percent, int firstRow, int endRow, bool redraw) noexcept = 0;
};

struct JpegDecodeOptions {
  // 8 bits per pixel with at most 236 colours (as for any grayscale file), else colourBits.
  bool eightBit = false;
  int colourBits = 24;  // or 32
  // Grayscale files come out as 8 bits with a palette of grays, else in colourBits.
  bool grayscaleAsPalette = true;
  // Milliseconds of a steady clock, for spacing the progress reports.
  std::function<std::uint64_t()> clock;
  // The floating-point inverse DCT, else the integer one (as exact, and faster with SIMD).
  bool floatDct = true;
  // The size it comes out at, in eighths of its own (1 to 8): smaller costs less work.
  int scaleEighths = 8;
  // Only this part of the picture at that size is wanted, when its width and height are not 0:
  // what lies outside costs little or nothing. Not with eightBit.
  struct Part {
    int left = 0, top = 0, width = 0, height = 0;
  } part = {};
};

// Decodes the picture at the scale asked with block smoothing. Fails with EJPEG, or
// platform::EOutOfResources for a picture of more than kMaxPixelBytes; rows decoded before an
// error stay in the target.
void DecodeJpeg(std::span<const std::uint8_t> file, const JpegDecodeOptions& options, JpegTarget& target);

}  // namespace pictures
