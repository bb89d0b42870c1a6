#include "controls/NpsUrl.h"

#include <oleacc.h>

#include "ui/Application.h"
#include "ui/HighContrast.h"
#include "ui/ShellOpen.h"

namespace controls {
namespace {

constexpr char kDefaultUrl[] = "vantoria@brindlework.example";

}  // namespace

TNpsUrl::TNpsUrl(std::string name, ui::TWinControl& parent, int left, int top)
    : TLabel(std::move(name), parent, left, top, kDefaultUrl), url_(kDefaultUrl) {
  // The program ships no "HAND" cursor, so this leaves the number empty: the arrow.
  ui::SetApplicationCursor(kHandCursor, ::LoadCursorA(::GetModuleHandleA(nullptr), "HAND"));
  SetCursor(kHandCursor);
  ui::TFont font = Font();
  font.SetSize(12);
  font.SetColor(ui::clBlue);
  font.SetStyles(ui::fsUnderline);
  Font() = font;
}

ui::TColor TNpsUrl::TextColor() const {
  return ui::InContrast(Font().Color(), pressed_ ? ui::clHighlight : ui::clHotLight);
}

long TNpsUrl::AccessibleRole() const { return ROLE_SYSTEM_LINK; }

long TNpsUrl::AccessibleState() const { return TLabel::AccessibleState() | STATE_SYSTEM_LINKED; }

void TNpsUrl::Click() {
  if (!Enabled()) return;
  TLabel::Click();
  ui::ShellOpen(ui::Application().Handle(), UrlTarget(protocol_, url_));
}

void TNpsUrl::MouseDown(ui::TMouseButton button, WPARAM keys, int x, int y) {
  if (button != ui::TMouseButton::mbLeft || !Enabled()) return;
  savedCaptionColor_ = Font().Color();
  pressed_ = true;
  Font().SetColor(activeColor_);
  TLabel::MouseDown(button, keys, x, y);
}

void TNpsUrl::MouseUp(ui::TMouseButton button, WPARAM keys, int x, int y) {
  if (button != ui::TMouseButton::mbLeft || !Enabled()) return;
  pressed_ = false;
  Font().SetColor(savedCaptionColor_);
  TLabel::MouseUp(button, keys, x, y);
}

}  // namespace controls
