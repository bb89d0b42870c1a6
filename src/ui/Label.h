// A line of text on its parent's background, sized to its caption.
#pragma once

#include <string>

#include "ui/WinControl.h"

namespace ui {

class TLabel : public TWinControl {
 public:
  // At `left`, `top`, sized to `caption` in the parent's font (or `font` when given).
  TLabel(std::string name, TWinControl& parent, int left, int top, const std::string& caption,
         const TFont* font = nullptr);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

 protected:
  void Paint(TCanvas& canvas) override;
  void FontApplied() override;

 private:
  void AdjustSize();

  std::string caption_;
};

}  // namespace ui
