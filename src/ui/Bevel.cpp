#include "ui/Bevel.h"

#include <oleacc.h>

#include "ui/Canvas.h"
#include "ui/GdiHandles.h"

namespace ui {

TBevel::TBevel(std::string name, TWinControl& parent, const DesignRect& bounds) : TWinControl(std::move(name)) {
  SetColor(parent.Color());
  CreateChild(parent, bounds);
  ShapeAsFrame();
}

void TBevel::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  ShapeAsFrame();
}

long TBevel::AccessibleRole() const { return ROLE_SYSTEM_GROUPING; }

// Only the frame belongs to the window, so that what is inside it stays visible.
void TBevel::ShapeAsFrame() {
  RegionHandle frame(::CreateRectRgn(0, 0, Width(), Height()));
  const RegionHandle inside(::CreateRectRgn(1, 1, Width() - 1, Height() - 1));
  ::CombineRgn(frame.Get(), frame.Get(), inside.Get(), RGN_DIFF);
  // Once set, the region belongs to the window.
  if (::SetWindowRgn(Handle(), frame.Get(), TRUE)) frame.Release();
}

void TBevel::Paint(TCanvas& canvas) {
  canvas.Frame3D(RECT{0, 0, Width(), Height()}, clBtnHighlight, clBtnShadow);
}

}  // namespace ui
