// A box that holds other controls: its colour, with a lowered outer and a raised inner bevel.
#pragma once

#include "ui/WinControl.h"

namespace ui {

class TPanel : public TWinControl {
 public:
  TPanel(std::string name, TWinControl& parent, const DesignRect& bounds);

 protected:
  void Paint(TCanvas& canvas) override;
};

}  // namespace ui
