// A raised box around an area of its parent: a light line at the top and left, a shadow at
// the bottom and right. Only the frame belongs to it, so controls inside it stay visible.
#pragma once

#include "ui/WinControl.h"

namespace ui {

class TBevel : public TWinControl {
 public:
  TBevel(std::string name, TWinControl& parent, const DesignRect& bounds);

  void ApplyDpi(int dpi) override;
  // To a screen reader, a group of what it frames.
  long AccessibleRole() const override;

 protected:
  void Paint(TCanvas& canvas) override;

 private:
  void ShapeAsFrame();
};

}  // namespace ui
