#include "ui/Label.h"

#include <oleacc.h>

#include "ui/AccessibleText.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"
#include "ui/HighContrast.h"
#include "ui/WinControl.h"

namespace ui {
namespace {

constexpr UINT kTextFormat = DT_EXPANDTABS;

}  // namespace

TLabel::TLabel(std::string name, TWinControl& parent, int left, int top, const std::string& caption,
               const TFont* font)
    : TGraphicControl(std::move(name)), caption_(caption) {
  SetDesignBounds(Design(left, top, 1, 1));
  SetParent(&parent);
  if (font) Font() = *font;
  AdjustSize();
}

void TLabel::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  AdjustSize();
  Invalidate();
  NotifyAccessibleEvent(EVENT_OBJECT_NAMECHANGE);
}

bool TLabel::TakesAccessKey(WPARAM virtualKey) const {
  return IsAccessKeyOf(caption_, static_cast<unsigned>(virtualKey));
}

std::string TLabel::AccessibleName() const { return AccessibleNameOf(caption_); }

long TLabel::AccessibleRole() const { return ROLE_SYSTEM_STATICTEXT; }

void TLabel::AdjustSize() {
  const WindowDc screen;
  RECT extent = {0, 0, 0, 0};
  {
    TCanvas canvas(screen.Get());
    canvas.SetFont(Font());
    ::DrawTextA(screen.Get(), caption_.empty() ? " " : caption_.c_str(), -1, &extent, DT_CALCRECT | kTextFormat);
  }
  SetBounds(Left(), Top(), extent.right, extent.bottom);
}

TColor TLabel::TextColor() const { return InContrast(Font().Color(), clBtnText); }

void TLabel::Paint(TCanvas& canvas) {
  RECT rect = {0, 0, Width(), Height()};
  if (Parent()) canvas.FillRect(rect, Parent()->Color());
  canvas.SetFont(Font());
  canvas.SetTextColor(TextColor());
  ::SetBkMode(canvas.Handle(), TRANSPARENT);
  ::DrawTextA(canvas.Handle(), caption_.c_str(), -1, &rect, kTextFormat);
}

}  // namespace ui
