// The flat hover button: a rectangle with a thin border and a one-line caption. It keeps no
// record of its look: painting draws the normal look, and the pointer handlers draw the hover
// and pressed looks at once, straight onto the parent, where they stay until the next drawing.
#pragma once

#include <functional>
#include <string>

#include "controls/ButtonLayout.h"
#include "ui/Colors.h"
#include "ui/GraphicControl.h"

namespace controls {

// The face of a flat button under the pointer or pressed: RGB #84B9A4, a soft green.
inline constexpr ui::TColor clSelButtonHover = 10795396;

class TSelButton : public ui::TGraphicControl {
 public:
  explicit TSelButton(std::string name);

  // On a parent, the caption becomes the button's name; nothing is drawn.
  void SetParent(ui::TControlParent* parent) override;

  // The setters that draw need a parent: "Control '%s' has no parent window" without one.
  const std::string& Caption() const { return caption_; }
  void SetCaption(std::string caption);
  void SetColor(ui::TColor color);
  void SetColorBorder(ui::TColor color);
  void SetAlignment(TAlignment alignment);
  void SetBorderWidth(int width);
  // The button's own flag; the host keeps the control itself enabled, so a disabled button
  // still gets the pointer and shows its hint. Disabled, its face takes the parent's colour.
  void SetEnabled(bool enabled);

  // A push button read as its caption, its hint as description, pressed as a click presses it.
  std::string AccessibleName() const override;
  std::string AccessibleDescription() const override { return Hint(); }
  long AccessibleRole() const override;
  long AccessibleState() const override;
  std::string AccessibleDefaultAction() const override { return "Press"; }

  // Take effect at the next hover or pressed drawing.
  void SetColorOverCaption(ui::TColor color) { hoverCaptionColor_ = color; }
  void SetColorOver(ui::TColor color) { hoverFaceColor_ = color; }
  void SetColorDown(ui::TColor color) { pressedFaceColor_ = color; }

 protected:
  void Paint(ui::TCanvas& canvas) override;
  void MouseDown(ui::TMouseButton button, WPARAM keys, int x, int y) override;
  void MouseUp(ui::TMouseButton button, WPARAM keys, int x, int y) override;
  void MouseEnter() override;
  void MouseLeave() override;
  void Click() override;

 private:
  enum class Look { normal, hover, pressed };
  void DrawLook(ui::TCanvas& canvas, Look look);
  void DrawLookNow(Look look);
  bool PointerIsOver() const;

  std::string caption_;
  ui::TColor faceColor_ = ui::clBtnFace;
  ui::TColor savedFaceColor_ = ui::clBtnFace;
  ui::TColor borderColor_ = ui::clGray;
  ui::TColor hoverCaptionColor_ = ui::clBlack;
  ui::TColor hoverFaceColor_ = clSelButtonHover;
  ui::TColor pressedFaceColor_ = clSelButtonHover;
  bool enabled_ = true;
  TAlignment alignment_ = TAlignment::taLeftJustify;
  int borderWidth_ = 1;
  // What the drawing surface keeps between drawings: the font the last normal look gave it,
  // and the caption colour last drawn with, which the pressed look keeps.
  ui::TFont surfaceFont_;
  ui::TColor surfaceCaptionColor_ = ui::clGray;
};

}  // namespace controls
