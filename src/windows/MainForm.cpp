#include "windows/MainForm.h"

#include <vector>

#include "browse/PicturePreview.h"
#include "pictures/PictureErrors.h"
#include "pictures/WicDecoder.h"
#include "pictures/WicPicture.h"
#include "platform/Files.h"
#include "platform/Format.h"
#include "platform/Module.h"
#include "platform/SystemError.h"
#include "rotation/KeptFiles.h"
#include "rotation/PictureChange.h"
#include "settings/PausedChanges.h"
#include "settings/SettingsStore.h"
#include "settings/TimerRegistration.h"
#include "settings/UserDataFolder.h"
#include "ui/Application.h"
#include "ui/ApplicationWindow.h"
#include "ui/Help.h"
#include "ui/MessageBoxes.h"
#include "ui/ShellOpen.h"
#include "wallpaper/DisplayMonitors.h"

namespace windows {
namespace {

constexpr char kCaption[] = "Vantoria v1.0";
constexpr char kHelpFileName[] = "Vantoria.HLP";
constexpr char kNoFileSelected[] = " No file selected! ";
// Posted when a preview's decoding helper ends; wParam: the picture click it was started for.
constexpr UINT kPictureDecoded = WM_APP + 1;

// The font of the labels, the lists and the tree.
const ui::TFont& ComicFont() {
  static const ui::TFont font = ui::ComicSansFont(8);
  return font;
}

// Placed as a stored layout places it: name, parent, then its settings.
void PlaceFlatButton(controls::TSelButton& button, ui::TWinControl& parent, const ui::DesignRect& bounds,
                     const std::string& caption, const std::string& hint, controls::TAlignment alignment,
                     const ui::TFont& font, ui::TColor hoverCaptionColor) {
  button.SetParent(&parent);
  button.SetDesignBounds(bounds);
  button.SetHint(hint);
  button.SetCaption(caption);
  button.SetColor(ui::clBtnFace);
  button.SetColorBorder(ui::clGray);
  button.SetColorOverCaption(hoverCaptionColor);
  button.SetColorOver(controls::clSelButtonHover);
  button.SetColorDown(controls::clSelButtonHover);
  button.SetAlignment(alignment);
  button.SetBorderWidth(1);
  button.SetShowHint(true);
  button.Font() = font;
}

}  // namespace

TFormMain::TFormMain()
    : TForm({.name = "FormMain",
             .caption = kCaption,
             .borderStyle = ui::TBorderStyle::bsSizeToolWin,
             .bounds = ui::Design(230, 105, 450, 459),
             .font = ui::TFont("MS Sans Serif", 8)}),
      Uputa1("Uputa1", *this, 248, 0, "List of selected folders:", &ComicFont()),
      Bevel1("Bevel1", *this, ui::Design(200, 184, 233, 164)),
      Slika("Slika", *this, ui::Design(208, 192, 217, 145), {.stretch = false, .proportional = true, .center = true},
            true),
      VisinaL("VisinaL", *this, 200, 368, "Height:", &ComicFont()),
      DuzinaL("DuzinaL", *this, 200, 352, "Width:", &ComicFont()),
      SelectSB("SelectSB"),
      UnselectSB("UnselectSB"),
      SetSB("SetSB"),
      ZatvoriSB("ZatvoriSB"),
      SelDirLB("SelDirLB", *this, ui::Design(248, 16, 185, 161), false, ui::DesignLength{15}),
      FileLB("FileLB", *this, ui::Design(8, 184, 185, 154)),
      ShellTV("ShellTV", *this, ui::Design(8, 16, 185, 161)),
      Menu({{"M_Actions",
             "Ac&tions",
             {},
             {{"M_A_Set",
               "Set as wallpaper",
               [this] { M_A_SetClick(); },
               {},
               static_cast<ui::TShortCut>(ui::scCtrl | 'S')},
              {"M_A_Select", "Select &directory", [this] { M_A_SelectClick(); }, {}},
              {"M_A_Exclude", "Exclude from the &rotation", [this] { M_A_ExcludeClick(); }, {}},
              {"M_A_Shown",
               "Show the selected &folder",
               {},
               {ShownWhenItem("M_A_AnyTime", "At any &time", settings::ShownWhen::kAnyTime),
                ShownWhenItem("M_A_ByDay", "By &day", settings::ShownWhen::kByDay),
                ShownWhenItem("M_A_ByNight", "By &night", settings::ShownWhen::kByNight)}},
              {"M_B2", "-", {}, {}},
              {"M_H_Options", "&Options", [this] { M_H_OptionsClick(); }, {}},
              {"M_A_DayNight", "Day and ni&ght...", [this] { M_A_DayNightClick(); }, {}},
              {"M_B4", "-", {}, {}},
              {"M_A_Exit", "E&xit", [this] { M_A_ExitClick(); }, {}}},
             0,
             [this] { M_ActionsPopup(); }},
            {"M_Help",
             "&Help",
             {},
             {{"M_H_Contents", "&Contents", [this] { M_H_ContentsClick(); }, {}},
              {"M_B3", "-", {}, {}},
              {"M_H_About", "&About", [this] { M_H_AboutClick(); }, {}}}}}),
      listFile_(platform::ExecutableDirectory(), settings::UserDataFolder()),
      wallpaperChange_(ImagN, settings::UserDataFolder()) {
  SetMainMenu(Menu);
  const ui::TFont comicBold = ui::ComicSansFont(8, ui::clGray, ui::fsBold);
  const ui::TFont arial("Arial", 8, ui::clGray);
  using controls::TAlignment;
  PlaceFlatButton(SelectSB, *this, ui::Design(200, 72, 41, 17), "  >>", "Select folder", TAlignment::taLeftJustify,
                  comicBold, ui::clWhite);
  PlaceFlatButton(UnselectSB, *this, ui::Design(200, 104, 41, 17), "  <<", "Unselect folder",
                  TAlignment::taLeftJustify, comicBold, ui::clWhite);
  PlaceFlatButton(SetSB, *this, ui::Design(8, 344, 185, 17), " Set as wallpaper", "Sets selected image as wallpaper",
                  TAlignment::taCenter, arial, ui::clWhite);
  PlaceFlatButton(ZatvoriSB, *this, ui::Design(8, 384, 185, 17), "Close", "", TAlignment::taCenter, arial,
                  ui::clBlack);
  ShellTV.Font() = ComicFont();
  FileLB.Font() = ComicFont();
  SelDirLB.Font() = ComicFont();
  ShellTV.SetAccessibleName("Folders");
  Bevel1.SetAccessibleName("Preview");
  Slika.SetAccessibleName("Picture");
  SelDirLB.SetAccessibleName("List of selected folders");
  FileLB.SetAccessibleName("Pictures");
  SelDirLB.SetHint("List of selected folders");
  SelDirLB.SetShowHint(true);
  Slika.SetShowHint(true);
  OnCreate = [this] { FormCreate(); };
  OnClose = [this] { FormClose(); };
  OnEveryActivation = [this] { ShowPauseInCaption(); };
  SelectSB.OnClick = [this] { SelectBClick(); };
  UnselectSB.OnClick = [this] { UnSelectBClick(); };
  SelDirLB.OnClick = [this] { SelDirLBClick(); };
  // The keyboard's way to "<<".
  SelDirLB.OnKeyDown = [this](WORD key) {
    if (key == VK_DELETE) UnSelectBClick();
  };
  SetSB.OnClick = [this] { SetBClick(); };
  ZatvoriSB.OnClick = [this] { ZatvoriButtonClick(); };
  Timer.OnTimer = [this] { TimerTimer(); };
  ShellTV.OnChange = [this] { ShellTVChange(); };
  FileLB.OnClick = [this] { FileLBClick(); };
  ShellTV.Build();
  ui::SetTabOrder({&ShellTV, &SelDirLB, &FileLB});
  SetActiveControl(ShellTV);
}

void TFormMain::FormCreate() {
  ShowPauseInCaption();
  ShowPictureKinds();
  listFile_.Locate();
  phases_ = settings::ReadFolderPhases();
  if (const auto entries = listFile_.Read()) {
    SelDirLB.Clear();
    entries_.clear();
    for (const std::string& entry : *entries) AddEntry(entry);
  } else {
    ui::MessageDlg(browse::kFolderListMissing, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
  }
  ui::Application().SetHelpFile(platform::ExecutableDirectory() + "\\" + kHelpFileName);
}

void TFormMain::FormClose() { listFile_.Write(entries_); }

// The program's caption first, for whatever looks for the window by it.
void TFormMain::ShowPauseInCaption() {
  const std::string paused = settings::PausedChangesCaption();
  SetText(paused.empty() ? kCaption : std::string(kCaption) + " (" + paused + ")");
}

void TFormMain::SelectBClick() {
  if (FileLB.Count() == 0 &&
      ui::MessageDlg("Selected folder does not contain supported image types. Do you still wish to add it to the list?",
                     ui::TMsgDlgType::mtInformation, ui::TMsgDlgButtons::mbYesNo) == ui::mrNo)
    return;
  const std::string folder = ShellTV.Path();
  if (std::ranges::count(entries_, folder) > 0) {
    ui::MessageDlg("Folder allready selected!", ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
    return;
  }
  AddEntry(folder);
  listFile_.Edited();
}

bool TFormMain::WarnWithoutSelection() const {
  if (SelDirLB.ItemIndex() >= 0) return false;
  ui::MessageDlg("No folder selected!", ui::TMsgDlgType::mtWarning, ui::TMsgDlgButtons::mbOK);
  return true;
}

void TFormMain::UnSelectBClick() {
  if (WarnWithoutSelection()) return;
  const int selected = SelDirLB.ItemIndex();
  SelDirLB.Delete(selected);
  entries_.erase(entries_.begin() + selected);
  listFile_.Edited();
  SelDirLB.SetItemIndex(-1);
  FileLB.Clear();
}

void TFormMain::SelDirLBClick() {
  FileLB.ApplyFilePath(Entry(SelDirLB.ItemIndex()));
  ClearPreview();
}

std::string TFormMain::Entry(int index) const {
  if (index < 0 || index >= static_cast<int>(entries_.size()))
    throw platform::EStringListError(platform::Format("List index out of bounds (%d)", index));
  return entries_[static_cast<std::size_t>(index)];
}

std::string TFormMain::ShownEntry(const std::string& entry) const {
  switch (phases_.Of(entry)) {
    case settings::ShownWhen::kByDay: return entry + " (day)";
    case settings::ShownWhen::kByNight: return entry + " (night)";
    case settings::ShownWhen::kAnyTime: break;
  }
  return entry;
}

void TFormMain::AddEntry(const std::string& entry) {
  SelDirLB.Add(ShownEntry(entry));
  entries_.push_back(entry);
}

// The list's line is written again, the entry staying selected; a task that waits for the sun
// starts waiting (or stops) with the first folder marked (or the last unmarked).
void TFormMain::ShowSelectedFolder(settings::ShownWhen when) {
  if (WarnWithoutSelection()) return;
  const int selected = SelDirLB.ItemIndex();
  const std::string entry = Entry(selected);
  settings::TFolderPhases changed = phases_;
  changed.Set(entry, when);
  settings::KeepFolderPhases(changed);
  phases_ = changed;
  SelDirLB.Replace(selected, ShownEntry(entry));
  SelDirLB.SetItemIndex(selected);
  settings::FollowTheSun();
}

void TFormMain::ShellTVChange() {
  FileLB.ApplyFilePath(ShellTV.Path());
  ClearPreview();
}

void TFormMain::FileLBClick() {
  picturePath_ = FileLB.FileName();
  GiveUpPreviewDecode();
  try {
    if (!picturePath_.empty() && pictures::IsImagingComponentKind(picturePath_)) {
      Slika.SetPicture(nullptr);
      DecodePreview();
    } else {
      browse::LoadPicture(Slika, picturePath_);
    }
  } catch (const pictures::EInvalidGraphic&) {
    ClearPreview();
  }
  ShowPreviewSize();
  Slika.SetHint("Picture: " + picturePath_);
  ui::Application().Window().LookChanged();
}

void TFormMain::GiveUpPreviewDecode() {
  pendingDecode_.reset();
  ++pictureClicks_;  // a message its helper posted meanwhile is then ignored
}

void TFormMain::DecodePreview() {
  pendingDecode_ =
      std::make_unique<pictures::BackgroundDecode>(picturePath_, Handle(), kPictureDecoded, pictureClicks_);
}

// Asked while the preview paints: its helper's end comes as any other decode's, and one that
// cannot start shows as a failed decode then.
void TFormMain::RedecodePreview() {
  try {
    DecodePreview();
  } catch (const pictures::EInvalidGraphic&) {
    ::PostMessageA(Handle(), kPictureDecoded, pictureClicks_, 0);
  }
}

void TFormMain::PictureDecoded(WPARAM click) {
  if (click != pictureClicks_) return;  // given up meanwhile
  std::unique_ptr<pictures::TWicPicture> picture;
  try {
    if (pendingDecode_) {
      picture = std::make_unique<pictures::TWicPicture>();
      picture->Assign(pendingDecode_->Answer(), picturePath_);
      picture->OnAnswerNeeded = [this] { RedecodePreview(); };
    }
  } catch (const pictures::EInvalidGraphic&) {
    picture.reset();
  }
  pendingDecode_.reset();
  Slika.SetPicture(std::move(picture));
  ShowPreviewSize();
  ui::Application().Window().LookChanged();
}

void TFormMain::ShowPreviewSize() {
  const ui::TGraphic* picture = Slika.Picture();
  VisinaL.SetCaption("Height: " + std::to_string(picture ? picture->Height() : 0));
  DuzinaL.SetCaption("Width:  " + std::to_string(picture ? picture->Width() : 0));
}

LRESULT TFormMain::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  if (message != kPictureDecoded) return TForm::WndProc(message, wParam, lParam);
  PictureDecoded(wParam);
  return 0;
}

// Another folder is shown: the pictures of the program's button are asked for again.
void TFormMain::ClearPreview() {
  GiveUpPreviewDecode();
  Slika.SetPicture(nullptr);
  ui::Application().Window().LookChanged();
}

void TFormMain::ConnectDialogs(settings::TODialog& options, settings::TDayNightDialog& dayNight, ui::TForm& about) {
  options_ = &options;
  dayNight_ = &dayNight;
  about_ = &about;
}

void TFormMain::M_H_OptionsClick() {
  if (!options_) return;
  options_->ShowModal();
  ShowPictureKinds();
}

void TFormMain::ShowPictureKinds() {
  FileLB.SetMorePictureKinds(settings::StoredAllPictures() ? pictures::WicFileExtensions()
                                                           : std::vector<std::string>());
}

void TFormMain::M_H_AboutClick() {
  if (about_) about_->ShowModal();
}

void TFormMain::ZatvoriButtonClick() { Close(); }

void TFormMain::M_A_SetClick() { SetBClick(); }

void TFormMain::M_A_SelectClick() { SelectBClick(); }

void TFormMain::M_A_ExitClick() { Close(); }

// The check says whether the rotation passes the selected picture over; the bullet, when the
// selected folder is shown.
void TFormMain::M_ActionsPopup() {
  const bool selected = FileLB.ItemIndex() >= 0;
  Menu.SetEnabled("M_A_Exclude", selected);
  Menu.SetChecked("M_A_Exclude", selected && rotation::ReadExclusions().Excludes(picturePath_));
  const int folder = SelDirLB.ItemIndex();
  const settings::ShownWhen when = folder >= 0 ? phases_.Of(Entry(folder)) : settings::ShownWhen::kAnyTime;
  for (const auto& [name, item] : {std::pair{"M_A_AnyTime", settings::ShownWhen::kAnyTime},
                                   {"M_A_ByDay", settings::ShownWhen::kByDay},
                                   {"M_A_ByNight", settings::ShownWhen::kByNight}}) {
    Menu.SetEnabled(name, folder >= 0);
    Menu.SetChecked(name, folder >= 0 && when == item);
  }
}

ui::TMenuItem TFormMain::ShownWhenItem(const char* name, const char* caption, settings::ShownWhen when) {
  return {.name = name,
          .caption = caption,
          .OnClick = [this, when] { ShowSelectedFolder(when); },
          .items = {},
          .shortCut = 0,
          .OnPopup = {},
          .radio = true};
}

void TFormMain::M_A_DayNightClick() {
  if (dayNight_) dayNight_->ShowModal();
}

// One writer of the rotation's files at a time (a change of this window's may hold the lock already).
void TFormMain::M_A_ExcludeClick() {
  if (FileLB.ItemIndex() < 0) return;
  WithChangeLock([this] { rotation::SetExcluded(picturePath_, !rotation::ReadExclusions().Excludes(picturePath_)); });
}

// Windows 10 and 11 have no engine for the help file, which does not ship: the read-me beside
// the program stands in for it. A PC with no program for text files says why it cannot open it.
void TFormMain::M_H_ContentsClick() {
  const std::string programFolder = platform::ExecutableDirectory();
  const std::string readMe = programFolder + "\\README.txt";
  if (platform::FileExists(programFolder + "\\" + kHelpFileName) || !platform::FileExists(readMe)) {
    ui::WinHelp(Handle(), ui::Application().HelpFile(), HELP_CONTENTS, 0);
  } else if (const DWORD error = ui::ShellOpen(Handle(), readMe)) {
    platform::RaiseOSError(error);
  }
}

void TFormMain::SetBClick() {
  if (FileLB.ItemIndex() < 0) {
    ui::MessageDlg(kNoFileSelected, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
    return;
  }
  PrepareWallpaper([this] {
    if (std::vector<wallpaper::Monitor> monitors = rotation::MonitorsWithPictures(); !monitors.empty())
      wallpaperChange_.PrepareComposed(PicturesForMonitors(std::move(monitors)));
    else
      wallpaperChange_.Prepare(picturePath_, browse::PreviewBitmap(Slika));
  });
}

void TFormMain::SetRotationPictures(const rotation::NextPictures& next) {
  if (next.pictures.empty()) {
    ui::MessageDlg(kNoFileSelected, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
    return;
  }
  PrepareWallpaper([&] { rotation::PrepareChange(wallpaperChange_, next); });
}

void TFormMain::PrepareWallpaper(const std::function<void()>& prepare) {
  WithChangeLock([&] {
    prepare();
    Timer.SetEnabled(true);
  });
}

void TFormMain::WithChangeLock(const std::function<void()>& change) {
  changeLock_.TakeForChange();
  struct Done {
    TFormMain& form;
    ~Done() {
      if (!form.WallpaperPending() && !form.writingWallpaper_) form.changeLock_.Release();
    }
  } done{*this};
  change();
}

std::vector<wallpaper::MonitorPicture> TFormMain::PicturesForMonitors(std::vector<wallpaper::Monitor> monitors) const {
  const rotation::Kept<rotation::THistory> history = rotation::ReadHistory();
  std::vector<std::string> kept =
      rotation::PicturesKeepingTheOthers(monitors, wallpaper::MonitorOfWindow(Handle()), picturePath_,
                                         history.content.Current(), rotation::ReadExclusions());
  std::vector<wallpaper::MonitorPicture> pictures;
  for (std::size_t i = 0; i < monitors.size(); ++i) pictures.push_back({std::move(monitors[i]), std::move(kept[i])});
  return pictures;
}

void TFormMain::TimerTimer() {
  Timer.SetEnabled(false);
  // The window answers while a picture is decoded for the wallpaper: a change asked for meanwhile
  // is written after this one.
  if (writingWallpaper_) {
    Timer.SetEnabled(true);
    return;
  }
  WithChangeLock([this] {
    writingWallpaper_ = true;
    struct Written {
      bool& writing;
      ~Written() { writing = false; }
    } written{writingWallpaper_};
    // A shown window waits for a decode as its preview does, answering meanwhile.
    const pictures::HelperWait wait =
        ::IsWindowVisible(Handle()) ? pictures::HelperWait::kWindowsAnswer : pictures::HelperWait::kBlocking;
    rotation::Kept<rotation::THistory> history = rotation::ReadHistory();
    history.content.Record(rotation::ApplyChange(
        wallpaperChange_, options_ ? options_->WallpaperStyle() : settings::StoredWallpaperStyle(), wait));
    if (const std::string why = rotation::KeepHistory(history); !why.empty())
      settings::RecordTimerRun("changed; the history was not kept: " + why);
  });
}

}  // namespace windows
