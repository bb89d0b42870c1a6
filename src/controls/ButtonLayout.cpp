#include "controls/ButtonLayout.h"

namespace controls {

CaptionOrigin CaptionPosition(int width, int height, int textWidth, int textHeight, TAlignment alignment, bool pressed,
                              int dpi) {
  const int shift = pressed ? ui::ScaleToDpi(1, dpi) : 0;
  const int y = height / 2 - textHeight / 2 + shift;
  switch (alignment) {
    case TAlignment::taRightJustify:
      return {width - textWidth - ui::ScaleToDpi(6, dpi) - shift, y};
    case TAlignment::taCenter:
      return {width / 2 - textWidth / 2 + shift, y};
    case TAlignment::taLeftJustify:
      break;
  }
  return {ui::ScaleToDpi(5, dpi) + shift, y};
}

}  // namespace controls
