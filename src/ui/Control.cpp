#include "ui/Control.h"

#include "ui/PointerTracker.h"

namespace ui {

TControl::~TControl() { TPointerTracker::Forget(this); }

void TControl::SetBounds(int left, int top, int width, int height) {
  bounds_ = RECT{left, top, left + width, top + height};
}

}  // namespace ui
