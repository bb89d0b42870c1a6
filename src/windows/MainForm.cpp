#include "windows/MainForm.h"

#include "browse/PicturePreview.h"
#include "ui/Application.h"
#include "ui/Exceptions.h"
#include "ui/Module.h"

namespace windows {
namespace {

const ui::TFont& ComicFont() {
  static const ui::TFont font("Comic Sans MS", 8, ui::clWindowText, 0, ANSI_CHARSET);
  return font;
}

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
      Bevel1("Bevel1", *this, RECT{200, 184, 200 + 233, 184 + 164}),
      Slika("Slika", *this, RECT{208, 192, 208 + 217, 192 + 145}, {.stretch = false, .proportional = true, .center = true},
            true),
      VisinaL("VisinaL", *this, 200, 368, "Height:", &ComicFont()),
      DuzinaL("DuzinaL", *this, 200, 352, "Width:", &ComicFont()),
      FileLB("FileLB", *this, RECT{8, 184, 8 + 185, 184 + 154}),
      ShellTV("ShellTV", *this, RECT{8, 16, 8 + 185, 16 + 161}),
      Menu({{"M_Actions", "Ac&tions", {}, {{"M_H_Options", "&Options", [this] { M_H_OptionsClick(); }, {}}}}}) {
  SetMainMenu(Menu);
  ShellTV.Font() = ComicFont();
  FileLB.Font() = ComicFont();
  Slika.SetShowHint(true);
  OnCreate = [this] { FormCreate(); };
  ShellTV.OnChange = [this] { ShellTVChange(); };
  FileLB.OnClick = [this] { FileLBClick(); };
  ShellTV.Build();
}

void TFormMain::FormCreate() {
  ui::Application().SetHelpFile(ui::ExecutableDirectory() + "\\Vantoria.HLP");
}

void TFormMain::ShellTVChange() {
  FileLB.ApplyFilePath(ShellTV.Path());
  ClearPreview();
}

void TFormMain::FileLBClick() {
  picturePath_ = FileLB.FileName();
  try {
    browse::LoadPicture(Slika, picturePath_);
  } catch (const ui::EInvalidGraphic&) {
    ClearPreview();
  }
  const ui::TGraphic* picture = Slika.Picture();
  VisinaL.SetCaption("Height: " + std::to_string(picture ? picture->Height() : 0));
  DuzinaL.SetCaption("Width:  " + std::to_string(picture ? picture->Width() : 0));
  Slika.SetHint("Picture: " + picturePath_);
}

void TFormMain::ClearPreview() { Slika.SetPicture(nullptr); }

void TFormMain::ConnectDialogs(settings::TODialog& options) { options_ = &options; }

void TFormMain::M_H_OptionsClick() {
  if (options_) options_->ShowModal();
}

void TFormMain::StartupRotation() {}

}  // namespace windows
