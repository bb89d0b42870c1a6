#include "ui/Label.h"

#include "ui/Canvas.h"

namespace ui {

TLabel::TLabel(std::string name, TWinControl& parent, int left, int top, const std::string& caption,
               const TFont* font)
    : TWinControl(std::move(name)), caption_(caption) {
  SetColor(parent.Color());
  CreateChild(parent, RECT{left, top, left + 1, top + 1});
  if (font) Font() = *font;
  AdjustSize();
}

void TLabel::SetCaption(std::string caption) {
  caption_ = std::move(caption);
  AdjustSize();
  Invalidate();
}

void TLabel::FontApplied() { AdjustSize(); }

void TLabel::AdjustSize() {
  if (!HandleAllocated()) return;
  HDC dc = ::GetDC(Handle());
  RECT extent = {0, 0, 0, 0};
  {
    TCanvas canvas(dc);
    canvas.SetFont(Font());
    ::DrawTextA(dc, caption_.empty() ? " " : caption_.c_str(), -1, &extent, DT_CALCRECT | DT_EXPANDTABS);
  }
  ::ReleaseDC(Handle(), dc);
  SetBounds(Left(), Top(), extent.right, extent.bottom);
}

void TLabel::Paint(TCanvas& canvas) {
  canvas.SetFont(Font());
  ::SetBkMode(canvas.Handle(), TRANSPARENT);
  RECT rect = ClientRect();
  ::DrawTextA(canvas.Handle(), caption_.c_str(), -1, &rect, DT_EXPANDTABS);
}

}  // namespace ui
