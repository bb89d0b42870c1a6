#include "ui/Control.h"

#include "ui/ControlParent.h"
#include "ui/Dpi.h"

namespace ui {

TControl::~TControl() { ForgetControl(this); }

// A hint that is the control's name (the preview's) changes its name; others its description.
void TControl::SetHint(std::string hint) {
  hint_ = std::move(hint);
  NotifyAccessibleEvent(AccessibleName() == hint_ ? EVENT_OBJECT_NAMECHANGE : EVENT_OBJECT_DESCRIPTIONCHANGE);
}

void TControl::PointerEntered() {
  hovered_ = true;
  NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE);
  MouseEnter();
}

void TControl::PointerLeft() {
  hovered_ = false;
  NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE);
  MouseLeave();
}

int TControl::Dpi() const { return parent_ ? parent_->Dpi() : SystemDpi(); }

void TControl::SetBounds(int left, int top, int width, int height) {
  bounds_ = RECT{left, top, left + width, top + height};
}

}  // namespace ui
