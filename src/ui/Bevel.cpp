#include "ui/Bevel.h"

#include "ui/Canvas.h"

namespace ui {

TBevel::TBevel(std::string name, TWinControl& parent, const RECT& bounds) : TWinControl(std::move(name)) {
  SetColor(parent.Color());
  CreateChild(parent, bounds);
  HRGN frame = ::CreateRectRgn(0, 0, Width(), Height());
  HRGN inside = ::CreateRectRgn(1, 1, Width() - 1, Height() - 1);
  ::CombineRgn(frame, frame, inside, RGN_DIFF);
  ::DeleteObject(inside);
  ::SetWindowRgn(Handle(), frame, TRUE);  // the window owns the region from here on
}

void TBevel::Paint(TCanvas& canvas) {
  const int w = Width(), h = Height();
  const TColor light = clSystemColor | COLOR_BTNHIGHLIGHT;
  const TColor shadow = clSystemColor | COLOR_BTNSHADOW;
  canvas.FillRect(RECT{0, 0, w, 1}, light);
  canvas.FillRect(RECT{0, 0, 1, h}, light);
  canvas.FillRect(RECT{0, h - 1, w, h}, shadow);
  canvas.FillRect(RECT{w - 1, 0, w, h}, shadow);
}

}  // namespace ui
