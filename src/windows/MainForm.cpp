#include "windows/MainForm.h"

#include "ui/Application.h"
#include "ui/Module.h"

namespace windows {
namespace {

ui::TFont ComicFont() { return ui::TFont("Comic Sans MS", 8, ui::clWindowText, 0, ANSI_CHARSET); }

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

TFormMain::TFormMain()
    : TForm(MainSpec()),
      ShellTV("ShellTV", *this, RECT{8, 16, 8 + 185, 16 + 161}),
      FileLB("FileLB", *this, RECT{8, 184, 8 + 185, 184 + 154}) {
  ShellTV.Font() = ComicFont();
  FileLB.Font() = ComicFont();
  OnCreate = [this] { FormCreate(); };
  ShellTV.OnChange = [this] { ShellTVChange(); };
  ShellTV.Build();
}

void TFormMain::FormCreate() {
  ui::Application().SetHelpFile(ui::ExecutableDirectory() + "\\Vantoria.HLP");
}

void TFormMain::ShellTVChange() { FileLB.ApplyFilePath(ShellTV.Path()); }

void TFormMain::StartupRotation() {}

}  // namespace windows
