#include "ui/ImageSizing.h"

namespace ui {

ImageRect DestinationRect(int w, int h, int cw, int ch, const ImageSizing& sizing) {
  ImageRect rect{0, 0, w, h};
  if (sizing.stretch || (sizing.proportional && (w > cw || h > ch))) {
    if (sizing.proportional && w > 0 && h > 0) {
      const double ratio = static_cast<double>(w) / h;
      if (w > h) {
        rect.width = cw;
        rect.height = static_cast<int>(cw / ratio);
        if (rect.height > ch) {
          rect.height = ch;
          rect.width = static_cast<int>(ch * ratio);
        }
      } else {
        rect.height = ch;
        rect.width = static_cast<int>(ch * ratio);
        if (rect.width > cw) {
          rect.width = cw;
          rect.height = static_cast<int>(cw / ratio);
        }
      }
    } else {
      rect.width = cw;
      rect.height = ch;
    }
  }
  if (sizing.center) {
    rect.left = (cw - rect.width) / 2;
    rect.top = (ch - rect.height) / 2;
  }
  return rect;
}

}  // namespace ui
