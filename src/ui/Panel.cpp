#include "ui/Panel.h"

#include "ui/Canvas.h"

namespace ui {
namespace {

// A one-pixel ring: `topLeft` along the top and left edges, `bottomRight` along the others.
void Frame3D(TCanvas& canvas, const RECT& r, TColor topLeft, TColor bottomRight) {
  canvas.FillRect(RECT{r.left, r.top, r.right - 1, r.top + 1}, topLeft);
  canvas.FillRect(RECT{r.left, r.top, r.left + 1, r.bottom - 1}, topLeft);
  canvas.FillRect(RECT{r.left, r.bottom - 1, r.right, r.bottom}, bottomRight);
  canvas.FillRect(RECT{r.right - 1, r.top, r.right, r.bottom}, bottomRight);
}

}  // namespace

TPanel::TPanel(std::string name, TWinControl& parent, const RECT& bounds) : TWinControl(std::move(name)) {
  SetColor(parent.Color());
  CreateChild(parent, bounds);
  Font() = parent.Font();
}

void TPanel::Paint(TCanvas& canvas) {
  const TColor light = clSystemColor | COLOR_BTNHIGHLIGHT;
  const TColor shadow = clSystemColor | COLOR_BTNSHADOW;
  Frame3D(canvas, RECT{0, 0, Width(), Height()}, shadow, light);
  Frame3D(canvas, RECT{1, 1, Width() - 1, Height() - 1}, light, shadow);
}

}  // namespace ui
