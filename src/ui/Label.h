// A line of text on its parent's background: a windowless control that sizes itself to its
// caption.
#pragma once

#include <string>

#include "ui/GraphicControl.h"

namespace ui {

class TWinControl;

class TLabel : public TGraphicControl {
 public:
  // At `left`, `top` on `parent`, in the parent's font (or `font` when given).
  TLabel(std::string name, TWinControl& parent, int left, int top, const std::string& caption,
         const TFont* font = nullptr);

  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);

  // The control its access key ("&D") gives the focus to, as a dialog's label does.
  void SetFocusControl(TWinControl& control) { focusControl_ = &control; }
  TWinControl* FocusControl() const { return focusControl_; }
  // `virtualKey`: a key's code, which for a letter is the upper-case letter.
  bool TakesAccessKey(WPARAM virtualKey) const;

  // Static text, read as its caption.
  std::string AccessibleName() const override;
  long AccessibleRole() const override;

 protected:
  void Paint(TCanvas& canvas) override;
  // The font's colour; the button text's in high contrast.
  virtual TColor TextColor() const;
  void FontChanged() override { AdjustSize(); }

 private:
  void AdjustSize();

  std::string caption_;
  TWinControl* focusControl_ = nullptr;
};

}  // namespace ui
