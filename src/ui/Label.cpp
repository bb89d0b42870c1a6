#include "ui/Label.h"

#include "ui/Canvas.h"
#include "ui/GdiHandles.h"
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
}

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

void TLabel::Paint(TCanvas& canvas) {
  RECT rect = {0, 0, Width(), Height()};
  if (Parent()) canvas.FillRect(rect, Parent()->Color());
  canvas.SetFont(Font());
  ::SetBkMode(canvas.Handle(), TRANSPARENT);
  ::DrawTextA(canvas.Handle(), caption_.c_str(), -1, &rect, kTextFormat);
}

}  // namespace ui
