#include "windows/AboutD.h"

namespace windows {
namespace {

ui::TFormSpec AboutSpec() {
  ui::TFormSpec spec;
  spec.name = "AboutDialog";
  spec.caption = "About";
  spec.borderStyle = ui::TBorderStyle::bsSizeToolWin;
  spec.systemMenu = false;
  spec.position = ui::TPosition::poScreenCenter;
  spec.width = 291;
  spec.height = 243;
  spec.font = ui::TFont("Comic Sans MS", 8, ui::clWindowText, 0, ANSI_CHARSET);
  return spec;
}

}  // namespace

TAboutDialog::TAboutDialog() : TForm(AboutSpec()) {}

}  // namespace windows
