#include "ui/Panel.h"

#include "ui/Canvas.h"

namespace ui {

TPanel::TPanel(std::string name, TWinControl& parent, const DesignRect& bounds) : TWinControl(std::move(name)) {
  SetColor(parent.Color());
  CreateChild(parent, bounds);
  Font() = parent.Font();
}

void TPanel::Paint(TCanvas& canvas) {
  canvas.Frame3D(RECT{0, 0, Width(), Height()}, clBtnShadow, clBtnHighlight);
  canvas.Frame3D(RECT{1, 1, Width() - 1, Height() - 1}, clBtnHighlight, clBtnShadow);
}

}  // namespace ui
