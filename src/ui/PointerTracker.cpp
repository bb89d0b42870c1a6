#include "ui/PointerTracker.h"

#include "ui/GraphicControl.h"
#include "ui/Pointer.h"
#include "ui/WinControl.h"

namespace ui {
namespace {

TPointerTracker* tracker = nullptr;

}  // namespace

TControl* ControlAtScreenPoint(POINT screen) {
  HWND window = ::WindowFromPoint(screen);
  TWinControl* control = TWinControl::FromHandle(window);
  if (!control) return nullptr;
  POINT client = screen;
  ::ScreenToClient(window, &client);
  if (TGraphicControl* graphic = control->GraphicControlAt(client, true)) return graphic;
  return control;
}

TPointerTracker::TPointerTracker() { tracker = this; }

TPointerTracker::~TPointerTracker() { tracker = nullptr; }

void TPointerTracker::Track() {
  TControl* over = ControlAtScreenPoint(PointerPosition());
  // While a control holds the capture, only it enters and leaves.
  if (TGraphicControl* captured = TGraphicControl::Captured(); captured && over != captured) over = nullptr;
  if (over != over_) {
    TControl* left = over_;
    over_ = over;
    if (left) left->PointerLeft();
    if (over_) over_->PointerEntered();
  }
  hints_.PointerOver(over_);
}

// A control that goes away is forgotten by the tracker, if there is one.
void ForgetControl(const TControl* control) {
  if (!tracker) return;
  if (tracker->over_ == control) tracker->over_ = nullptr;
  tracker->hints_.Forget(control);
}

}  // namespace ui
