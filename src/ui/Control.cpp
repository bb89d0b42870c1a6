#include "ui/Control.h"

namespace ui {

void TControl::SetBounds(int left, int top, int width, int height) {
  bounds_ = RECT{left, top, left + width, top + height};
}

}  // namespace ui
