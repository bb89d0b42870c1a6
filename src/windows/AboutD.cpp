#include "windows/AboutD.h"

#include "pictures/Bitmap.h"
#include "platform/Resources.h"

namespace windows {
namespace {

std::unique_ptr<ui::TGraphic> ProgramBitmap() {
  auto bitmap = std::make_unique<pictures::TBitmap>();
  const std::vector<std::uint8_t> file = platform::ResourceBytes("ABOUTBITMAP");
  bitmap->LoadFromBytes(file);
  return bitmap;
}

void SetUpLink(controls::TNpsUrl& link, const std::string& caption, controls::TProtocol protocol,
               const std::string& url) {
  link.SetCaption(caption);
  link.SetProtocol(protocol);
  link.SetUrl(url);
  link.Font() = ui::ComicSansFont(9, ui::clBlue, ui::fsUnderline);
  link.SetActiveColor(ui::clPurple);
  link.SetCursor(ui::crHandPoint);
}

}  // namespace

TAboutDialog::TAboutDialog()
    : TForm({.name = "AboutDialog",
             .caption = "About",
             .borderStyle = ui::TBorderStyle::bsSizeToolWin,
             .systemMenu = false,
             .position = ui::TPosition::poScreenCenter,
             .bounds = ui::Design(0, 0, 291, 243),
             .font = ui::ComicSansFont(8)}),
      Panel1("Panel1", *this, ui::Design(0, 0, 281, 177)),
      ProgramIcon("ProgramIcon", Panel1, ui::Design(8, 8, 65, 57),
                  {.stretch = true, .proportional = true, .center = true}, true),
      ProductName("ProductName", Panel1, 88, 32, "Vantoria v1.0"),
      Copyright("Copyright", Panel1, 88, 8, "Brindlework"),
      NpsUrl("NpsUrl", Panel1, 8, 96),
      NpsUrl1("NpsUrl1", Panel1, 224, 96),
      Label1("Label1", Panel1, 8, 72, "Copyright (c) 2026 Brindlework"),
      OKButton("OKButton", *this, ui::Design(95, 184, 75, 25), "OK", IDOK) {
  ProgramIcon.SetPictureScalesWithDpi();
  ProgramIcon.SetPicture(ProgramBitmap());
  SetUpLink(NpsUrl, "Brindlework Homepage", controls::TProtocol::ptWWW, "www.brindlework.example");
  SetUpLink(NpsUrl1, "E - Mail", controls::TProtocol::ptMAIL, "vantoria@brindlework.example");
  OKButton.OnClick = [this] { SetModalResult(ui::mrOk); };
  OKButton.SetDefault();
  SetActiveControl(OKButton);
}

}  // namespace windows
