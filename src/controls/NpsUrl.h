// A label that works as a link: a left click hands its address to the shell, and while the left
// button is held on it, its text takes the active colour.
#pragma once

#include <string>

#include "controls/UrlTarget.h"
#include "ui/Label.h"

namespace controls {

class TNpsUrl : public ui::TLabel {
 public:
  // The application cursor number the label registers its "HAND" cursor under.
  static constexpr ui::TCursor kHandCursor = 5;

  TNpsUrl(std::string name, ui::TWinControl& parent, int left, int top);

  const std::string& Url() const { return url_; }
  // The address only; the caption stays.
  void SetUrl(std::string url) { url_ = std::move(url); }
  TProtocol Protocol() const { return protocol_; }
  void SetProtocol(TProtocol protocol) { protocol_ = protocol; }
  ui::TColor ActiveColor() const { return activeColor_; }
  void SetActiveColor(ui::TColor color) { activeColor_ = color; }

  // A link, followed as a click follows it.
  long AccessibleRole() const override;
  long AccessibleState() const override;
  std::string AccessibleDefaultAction() const override { return "Jump"; }

 protected:
  // The hot-light colour in high contrast, the highlight while pressed.
  ui::TColor TextColor() const override;
  void Click() override;
  void MouseDown(ui::TMouseButton button, WPARAM keys, int x, int y) override;
  void MouseUp(ui::TMouseButton button, WPARAM keys, int x, int y) override;

 private:
  std::string url_;
  TProtocol protocol_ = TProtocol::ptMAIL;
  ui::TColor activeColor_ = ui::clPurple;
  ui::TColor savedCaptionColor_ = ui::clBlue;
  bool pressed_ = false;
};

}  // namespace controls
