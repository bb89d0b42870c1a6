#include "controls/ButtonLayout.h"

namespace controls {

CaptionOrigin CaptionPosition(int width, int height, int textWidth, int textHeight, TAlignment alignment,
                              bool pressed) {
  const int shift = pressed ? 1 : 0;
  const int y = height / 2 - textHeight / 2 + shift;
  switch (alignment) {
    case TAlignment::taRightJustify:
      return {width - textWidth - 6 - shift, y};
    case TAlignment::taCenter:
      return {width / 2 - textWidth / 2 + shift, y};
    case TAlignment::taLeftJustify:
      break;
  }
  return {5 + shift, y};
}

}  // namespace controls
