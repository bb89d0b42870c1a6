#include "settings/OptionsD.h"

namespace settings {
namespace {

ui::TFormSpec OptionsSpec() {
  ui::TFormSpec spec;
  spec.name = "ODialog";
  spec.caption = "Options";
  spec.borderStyle = ui::TBorderStyle::bsToolWindow;
  spec.left = 230;
  spec.top = 174;
  spec.width = 258;
  spec.height = 147;
  spec.clientSize = true;
  spec.font = ui::TFont("Comic Sans MS", 8, ui::clWindowText, 0, ANSI_CHARSET);
  return spec;
}

}  // namespace

TODialog::TODialog() : TForm(OptionsSpec()) {}

}  // namespace settings
