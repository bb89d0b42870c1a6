#include "windows/AboutD.h"

namespace windows {
namespace {

ui::TFormSpec AboutSpec() {
  ui::TFormSpec layout;
  layout.name = "AboutDialog";
  layout.caption = "About";
  layout.borderStyle = ui::TBorderStyle::bsSizeToolWin;
  layout.systemMenu = false;
  layout.position = ui::TPosition::poScreenCenter;
  layout.width = 291;
  layout.height = 243;
  layout.font = ui::TFont("Comic Sans MS", 8, ui::clWindowText, 0, ANSI_CHARSET);
  return layout;
}

}  // namespace

TAboutDialog::TAboutDialog() : TForm(AboutSpec()) {}

}  // namespace windows
