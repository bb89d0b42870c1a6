#include "ui/GraphicControl.h"

#include <oleacc.h>

#include <utility>

#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "ui/Canvas.h"
#include "ui/ControlParent.h"
#include "ui/Dpi.h"
#include "ui/GdiHandles.h"

namespace ui {
namespace {

TGraphicControl* captured = nullptr;

}  // namespace

TGraphicControl::TGraphicControl(std::string name) : TControl(std::move(name)) {
  font_.OnChange = [this] {
    // A font assigned from elsewhere takes the control's resolution first.
    if (font_.PixelsPerInch() != Dpi()) {
      const bool adopting = std::exchange(adoptingParentFont_, true);
      font_.SetPixelsPerInch(Dpi());
      adoptingParentFont_ = adopting;
    }
    if (!adoptingParentFont_) parentFont_ = false;
    FontChanged();
    Invalidate();
  };
}

TGraphicControl::~TGraphicControl() {
  if (captured == this) captured = nullptr;
  if (Parent()) {
    Invalidate();
    Parent()->RemoveGraphicControl(*this);
  }
}

void TGraphicControl::SetParent(TControlParent* parent) {
  if (parent == Parent()) return;
  if (Parent()) {
    Invalidate();
    Parent()->RemoveGraphicControl(*this);
  }
  SetParentField(parent);
  if (!parent) return;
  parent->AddGraphicControl(*this);
  adoptingParentFont_ = true;
  if (parentFont_)
    font_ = parent->Font();
  else
    font_.SetPixelsPerInch(parent->Dpi());
  adoptingParentFont_ = false;
  PlaceAtDpi(parent->Dpi());
  Invalidate();
}

void TGraphicControl::SetBounds(int left, int top, int width, int height) {
  Invalidate();
  TControl::SetBounds(left, top, width, height);
  Invalidate();
}

void TGraphicControl::SetDesignBounds(const DesignRect& design) {
  design_ = design;
  PlaceAtDpi(Dpi());
}

void TGraphicControl::PlaceAtDpi(int dpi) {
  if (!design_) return;
  const RECT bounds = Scaled(*design_, dpi);
  SetBounds(bounds.left, bounds.top, bounds.right - bounds.left, bounds.bottom - bounds.top);
}

void TGraphicControl::ApplyDpi(int dpi) {
  PlaceAtDpi(dpi);
  adoptingParentFont_ = true;
  font_.SetPixelsPerInch(dpi);
  adoptingParentFont_ = false;
  // A control sized by its text measures it again, even at the same resolution.
  FontChanged();
  Invalidate();
}

void TGraphicControl::SetEnabled(bool enabled) {
  enabled_ = enabled;
  NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE);
  Invalidate();
}

long TGraphicControl::AccessibleState() const { return AccessibleStateWhen(enabled_); }

long TGraphicControl::AccessibleStateWhen(bool enabled) const {
  return (enabled ? 0 : STATE_SYSTEM_UNAVAILABLE) | (Hovered() ? STATE_SYSTEM_HOTTRACKED : 0);
}

void TGraphicControl::NotifyAccessibleEvent(DWORD event) {
  if (Parent() && Parent()->HandleAllocated())
    ::NotifyWinEvent(event, Parent()->Handle(), OBJID_CLIENT, Parent()->AccessibleChildId(*this));
}

void TGraphicControl::SetVisible(bool visible) {
  if (visible == visible_) return;
  visible_ = visible;
  const RECT area = BoundsRect();
  if (Parent() && Parent()->HandleAllocated()) ::InvalidateRect(Parent()->Handle(), &area, TRUE);
}

void TGraphicControl::Invalidate() {
  if (!visible_ || !Parent() || !Parent()->HandleAllocated()) return;
  const RECT area = BoundsRect();
  ::InvalidateRect(Parent()->Handle(), &area, TRUE);
}

void TGraphicControl::PaintOn(TCanvas& parentCanvas) {
  HDC dc = parentCanvas.Handle();
  SavedDcState saved(dc);
  ::IntersectClipRect(dc, Left(), Top(), Left() + Width(), Top() + Height());
  ::OffsetViewportOrgEx(dc, Left(), Top(), nullptr);
  TCanvas canvas(dc);
  Paint(canvas);
}

void TGraphicControl::DrawNow(const std::function<void(TCanvas&)>& draw) {
  if (!Parent() || !Parent()->HandleAllocated())
    throw platform::EInvalidOperation(platform::Format("Control '%s' has no parent window", Name().c_str()));
  WindowDc dc(Parent()->Handle());
  ::IntersectClipRect(dc.Get(), Left(), Top(), Left() + Width(), Top() + Height());
  ::SetViewportOrgEx(dc.Get(), Left(), Top(), nullptr);
  TCanvas canvas(dc.Get());
  draw(canvas);
}

void TGraphicControl::HandlePress(TMouseButton button, WPARAM keys, int x, int y, bool doubleClick) {
  if (button == TMouseButton::mbLeft) {
    captured = this;
    ::SetCapture(Parent()->Handle());
    clicked_ = !doubleClick;
  }
  MouseDown(button, keys, x, y);
}

void TGraphicControl::HandleRelease(TMouseButton button, WPARAM keys, int x, int y) {
  if (button == TMouseButton::mbLeft) {
    const bool click = clicked_ && x >= 0 && y >= 0 && x < Width() && y < Height();
    clicked_ = false;
    if (captured == this) {
      captured = nullptr;
      ::ReleaseCapture();
    }
    if (click) Click();
  }
  MouseUp(button, keys, x, y);
}

TGraphicControl* TGraphicControl::Captured() { return captured; }

void TGraphicControl::CaptureLost() {
  if (captured) captured->clicked_ = false;
  captured = nullptr;
}

void TGraphicControl::Paint(TCanvas&) {}

void TGraphicControl::MouseDown(TMouseButton button, WPARAM keys, int x, int y) {
  if (OnMouseDown) OnMouseDown(button, keys, x, y);
}

void TGraphicControl::MouseUp(TMouseButton button, WPARAM keys, int x, int y) {
  if (OnMouseUp) OnMouseUp(button, keys, x, y);
}

void TGraphicControl::Click() {
  if (OnClick) OnClick();
}

}  // namespace ui
