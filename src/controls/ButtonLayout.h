// Where a flat button draws its caption: by its alignment, moved one pixel down and one pixel
// inward (right, or left for a right-justified caption) while pressed.
#pragma once

#include <cstdint>

#include "ui/DpiScaling.h"

namespace controls {

enum class TAlignment : std::uint8_t { taLeftJustify = 0, taRightJustify = 1, taCenter = 2 };

struct CaptionOrigin {
  int x;
  int y;
  bool operator==(const CaptionOrigin&) const = default;
};

// The top-left corner of the caption's text cell, for a button of `width` x `height` and a
// caption extent of `textWidth` x `textHeight`, on a screen of `dpi` (the margins and the pressed
// shift are designed at 96 dpi). It may lie outside the button.
CaptionOrigin CaptionPosition(int width, int height, int textWidth, int textHeight, TAlignment alignment, bool pressed,
                              int dpi = ui::kDesignDpi);

}  // namespace controls
