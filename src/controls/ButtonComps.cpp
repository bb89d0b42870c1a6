#include "controls/ButtonComps.h"

#include <oleacc.h>

#include "ui/AccessibleText.h"
#include "ui/Canvas.h"
#include "ui/DpiScaling.h"
#include "ui/HighContrast.h"
#include "ui/Pointer.h"
#include "ui/PointerTracker.h"
#include "ui/WinControl.h"

namespace controls {

TSelButton::TSelButton(std::string name) : TGraphicControl(std::move(name)) {
  SetDesignBounds(ui::Design(0, 0, 105, 20));
  Font() = ui::TFont("Arial", 8, ui::clGray);
  surfaceFont_ = Font();
  SetShowHint(true);
}

void TSelButton::SetParent(ui::TControlParent* parent) {
  TGraphicControl::SetParent(parent);
  if (parent) caption_ = Name();
}

void TSelButton::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  DrawLookNow(Look::normal);
  NotifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE);
}

std::string TSelButton::AccessibleName() const { return ui::AccessibleNameOf(caption_); }

long TSelButton::AccessibleRole() const { return ROLE_SYSTEM_PUSHBUTTON; }

// The button's own flag, not the control's (which stays enabled).
long TSelButton::AccessibleState() const { return AccessibleStateWhen(enabled_); }

void TSelButton::SetColor(ui::TColor color) {
  faceColor_ = savedFaceColor_ = color;
  DrawLookNow(Look::normal);
}

void TSelButton::SetColorBorder(ui::TColor color) {
  borderColor_ = color;
  DrawLookNow(Look::normal);
}

void TSelButton::SetAlignment(TAlignment alignment) {
  alignment_ = alignment;
  DrawLookNow(Look::normal);
}

void TSelButton::SetBorderWidth(int width) {
  borderWidth_ = width;
  DrawLookNow(Look::normal);
}

// Disabling twice keeps the face colour saved the first time, so enabling brings it back.
void TSelButton::SetEnabled(bool enabled) {
  if (enabled) {
    faceColor_ = savedFaceColor_;
  } else if (enabled_) {
    savedFaceColor_ = faceColor_;
    faceColor_ = Parent() ? Parent()->Color() : faceColor_;
  }
  enabled_ = enabled;
  DrawLookNow(Look::normal);
  NotifyAccessibleEvent(EVENT_OBJECT_STATECHANGE);
}

void TSelButton::Paint(ui::TCanvas& canvas) { DrawLook(canvas, Look::normal); }

// In high contrast the system's colours stand for the designed ones: text on the button face,
// highlighted text on the highlight for the hover and pressed looks, a window-text border.
void TSelButton::DrawLook(ui::TCanvas& canvas, Look look) {
  if (look == Look::normal) surfaceFont_ = Font();
  canvas.SetFont(surfaceFont_);
  const SIZE text = canvas.TextExtent(caption_);

  const ui::TColor designedFace =
      look == Look::normal ? faceColor_ : look == Look::hover ? hoverFaceColor_ : pressedFaceColor_;
  const ui::TColor face = ui::InContrast(designedFace, look == Look::normal ? ui::clBtnFace : ui::clHighlight);
  const int width = Width(), height = Height();
  canvas.FillRect(RECT{1, 1, width - 1, height - 1}, face);

  if (look == Look::normal)
    surfaceCaptionColor_ = ui::InContrast(Font().Color(), enabled_ ? ui::clBtnText : ui::clGrayText);
  if (look == Look::hover) surfaceCaptionColor_ = ui::InContrast(hoverCaptionColor_, ui::clHighlightText);
  const bool onHighlight = ui::HighContrast() && look != Look::normal;
  canvas.SetTextColor(onHighlight ? ui::clHighlightText : surfaceCaptionColor_);
  const CaptionOrigin origin =
      CaptionPosition(width, height, text.cx, text.cy, alignment_, look == Look::pressed, Dpi());
  canvas.TextOutOpaque(origin.x, origin.y, caption_, face);

  for (int ring = 0; ring < ui::ScaleToDpi(borderWidth_, Dpi()); ++ring)
    canvas.FrameRect(RECT{ring, ring, width - ring, height - ring}, ui::InContrast(borderColor_, ui::clWindowText));
}

void TSelButton::DrawLookNow(Look look) {
  DrawNow([&](ui::TCanvas& canvas) { DrawLook(canvas, look); });
}

// The host's topmost control at the pointer, disabled ones included, is this button.
bool TSelButton::PointerIsOver() const { return ui::ControlAtScreenPoint(ui::PointerPosition()) == this; }

void TSelButton::MouseDown(ui::TMouseButton button, WPARAM keys, int x, int y) {
  if (button != ui::TMouseButton::mbLeft || !enabled_) return;
  TGraphicControl::MouseDown(button, keys, x, y);
  DrawLookNow(Look::pressed);
}

void TSelButton::MouseUp(ui::TMouseButton button, WPARAM keys, int x, int y) {
  if (button != ui::TMouseButton::mbLeft || !enabled_) return;
  TGraphicControl::MouseUp(button, keys, x, y);
  if (PointerIsOver()) DrawLookNow(Look::hover);
}

void TSelButton::MouseEnter() {
  if (enabled_) DrawLookNow(Look::hover);
}

void TSelButton::MouseLeave() { DrawLookNow(Look::normal); }

void TSelButton::Click() {
  DrawLookNow(Look::normal);
  if (enabled_) TGraphicControl::Click();
}

}  // namespace controls
