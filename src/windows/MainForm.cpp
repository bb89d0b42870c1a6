#include "windows/MainForm.h"

#include "ui/Application.h"
#include "ui/Module.h"

namespace windows {
namespace {

ui::TFormSpec MainSpec() {
  ui::TFormSpec spec;
  spec.name = "FormMain";
  spec.caption = "Vantoria v1.0";
  spec.borderStyle = ui::TBorderStyle::bsSizeToolWin;
  spec.left = 230;
  spec.top = 105;
  spec.width = 450;
  spec.height = 459;
  spec.font = ui::TFont("MS Sans Serif", 8);
  return spec;
}

}  // namespace

TFormMain::TFormMain() : TForm(MainSpec()) {
  OnCreate = [this] { FormCreate(); };
}

void TFormMain::FormCreate() {
  ui::Application().SetHelpFile(ui::ExecutableDirectory() + "\\Vantoria.HLP");
}

void TFormMain::StartupRotation() {}

}  // namespace windows
