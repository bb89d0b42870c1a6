// A line of text on its parent's background: a windowless control that sizes itself to its
// caption.
#pragma once

#include <string>

#include "ui/GraphicControl.h"

namespace ui {

class TLabel : public TGraphicControl {
 public:
  // At `left`, `top` on `parent`, in the parent's font (or `font` when given).
  TLabel(std::string name, TWinControl& parent, int left, int top, const std::string& caption,
         const TFont* font = nullptr);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

 protected:
  void Paint(TCanvas& canvas) override;
  void FontChanged() override { AdjustSize(); }

 private:
  void AdjustSize();

  std::string caption_;
};

}  // namespace ui
