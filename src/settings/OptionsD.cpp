#include "settings/OptionsD.h"

#include "settings/RegistryStore.h"

namespace settings {
namespace {

constexpr int kOkButtonId = 100;  // not IDOK: Enter presses OK only while it has the focus

const ui::TFont& ComicFont() {
  static const ui::TFont font("Comic Sans MS", 8, ui::clWindowText, 0, ANSI_CHARSET);
  return font;
}

ui::TFormSpec OptionsSpec() {
  ui::TFormSpec layout;
  layout.name = "ODialog";
  layout.caption = "Options";
  layout.borderStyle = ui::TBorderStyle::bsToolWindow;
  layout.left = 230;
  layout.top = 174;
  layout.width = 258;
  layout.height = 147;
  layout.clientSize = true;
  layout.font = ComicFont();
  return layout;
}

}  // namespace

TODialog::TODialog()
    : TForm(OptionsSpec()),
      DisplayL("DisplayL", *this, 8, 8, "&Display:"),
      DisplayCB("DisplayCB", *this, ui::Bounds(8, 24, 89, 23), {"Tile", "Center", "Strech"}, 15),
      RndChkB("RndChkB", *this, ui::Bounds(8, 56, 129, 17), "Randomize &file list"),
      OKB("OKB", *this, ui::Bounds(40, 112, 75, 25), "&OK", kOkButtonId),
      CancelB("CancelB", *this, ui::Bounds(144, 112, 75, 25), "&Cancel", IDCANCEL),
      ChangeWPCB("ChangeWPCB", *this, ui::Bounds(8, 80, 249, 17), "Change &wallpaper every time Windows start") {
  DisplayCB.SetText("Center");
  OnActivate = [this] { FormActivate(); };
  OKB.OnClick = [this] { OKBClick(); };
  CancelB.OnClick = [this] { CancelBClick(); };
}

void TODialog::FormActivate() {
  RegistryStore store(kProgramKey);
  RndChkB.SetChecked(store.ReadBool(kSettingsSection, "RndFile", true));
  DisplayCB.SetItemIndex(store.ReadInteger(kSettingsSection, "Display", 0));
  ChangeWPCB.SetChecked(store.ReadBool(kSettingsSection, "ChangeWP", false));
  store.Close();
}

void TODialog::OKBClick() {
  RegistryStore store(kProgramKey);
  store.WriteBool(kSettingsSection, "RndFile", RndChkB.Checked());
  store.WriteInteger(kSettingsSection, "Display", DisplayCB.ItemIndex());
  store.WriteBool(kSettingsSection, "ChangeWP", ChangeWPCB.Checked());
  store.Close();
  Close();
}

void TODialog::CancelBClick() { Close(); }

}  // namespace settings
