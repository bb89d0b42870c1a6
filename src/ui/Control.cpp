#include "ui/Control.h"

#include "ui/Dpi.h"
#include "ui/PointerTracker.h"
#include "ui/WinControl.h"

namespace ui {

TControl::~TControl() { TPointerTracker::Forget(this); }

int TControl::Dpi() const { return parent_ ? parent_->Dpi() : SystemDpi(); }

void TControl::SetBounds(int left, int top, int width, int height) {
  bounds_ = RECT{left, top, left + width, top + height};
}

}  // namespace ui
