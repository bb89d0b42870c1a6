#include "settings/OptionsD.h"

#include <optional>

#include "platform/Exceptions.h"
#include "schedule/ChangeIntervals.h"
#include "schedule/NextKeysShortcut.h"
#include "settings/HotKeyText.h"
#include "settings/PausedChanges.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"
#include "settings/TimerRegistration.h"
#include "ui/MessageBoxes.h"

namespace settings {
namespace {

constexpr int kOkButtonId = 100;  // not IDOK: Enter presses OK only while it has the focus

std::vector<std::string> IntervalCaptions() {
  std::vector<std::string> captions;
  for (const schedule::ChangeInterval& interval : schedule::ChangeIntervals()) captions.emplace_back(interval.caption);
  return captions;
}

}  // namespace

TODialog::TODialog()
    : TForm({.name = "ODialog",
             .caption = "Options",
             .borderStyle = ui::TBorderStyle::bsToolWindow,
             .bounds = ui::Design(230, 150, 584, 313),
             .clientSize = true,
             .font = ui::ComicSansFont(8)}),
      DisplayL("DisplayL", *this, 8, 8, "&Display:"),
      DisplayCB("DisplayCB", *this, ui::Design(8, 24, 89, 23), {"Tile", "Center", "Strech", "Fill", "Fit"},
                ui::DesignLength{15}),
      RndChkB("RndChkB", *this, ui::Design(8, 56, 129, 17), "Randomize &file list"),
      OKB("OKB", *this, ui::Design(202, 280, 75, 25), "&OK", kOkButtonId),
      CancelB("CancelB", *this, ui::Design(306, 280, 75, 25), "&Cancel", IDCANCEL),
      ChangeWPCB("ChangeWPCB", *this, ui::Design(8, 128, 276, 17), "Change &wallpaper every time Windows start"),
      PerMonitorCB("PerMonitorCB", *this, ui::Design(8, 152, 276, 17), "A different picture on each &monitor"),
      AllPicturesCB("AllPicturesCB", *this, ui::Design(8, 176, 276, 17), "Show all picture &types"),
      TimerL("TimerL", *this, 300, 8, "C&hange the picture:"),
      TimerCB("TimerCB", *this, ui::Design(300, 24, 145, 23), IntervalCaptions(), ui::DesignLength{15},
              ui::TComboBoxStyle::csDropDownList),
      BatteryCB("BatteryCB", *this, ui::Design(300, 56, 276, 17), "Also on &battery power"),
      DesktopMenuCB("DesktopMenuCB", *this, ui::Design(300, 80, 276, 17), "&Picture commands on the desktop's menu"),
      ShuffleCB("ShuffleCB", *this, ui::Design(8, 80, 276, 17), "&Every picture once before any repeats"),
      SubfoldersCB("SubfoldersCB", *this, ui::Design(8, 104, 276, 17), "Include &subfolders"),
      LogonCB("LogonCB", *this, ui::Design(300, 104, 276, 17), "Change the picture when I &log on"),
      DayNightB("DayNightB", *this, ui::Design(456, 23, 120, 25), "Day and &night..."),
      ResumeL("ResumeL", *this, 300, 132, "&Resume by itself after:"),
      ResumeCB("ResumeCB", *this, ui::Design(300, 148, 145, 23), {"never", "an hour", "the next day"},
               ui::DesignLength{3}, ui::TComboBoxStyle::csDropDownList),
      PausedL("PausedL", *this, 300, 228, ""),
      NextKeysL("NextKeysL", *this, 300, 180, "Next picture with the &keys:"),
      NextKeysHK("NextKeysHK", *this, ui::Design(300, 196, 145, 21)),
      SmallestL("SmallestL", *this, 8, 200, "Pass o&ver pictures smaller than:"),
      SmallestCB("SmallestCB", *this, ui::Design(8, 216, 200, 23),
                 {"any size", "half the monitor", "three quarters of the monitor", "the monitor"}, ui::DesignLength{4},
                 ui::TComboBoxStyle::csDropDownList),
      // Its access key is not the O of "&OK".
      SameShapeCB("SameShapeCB", *this, ui::Design(8, 248, 276, 17), "Only pictures of the monitor's sh&ape") {
  DisplayCB.SetText("Center");
  DisplayCB.SetAccessibleName("Display");
  DisplayL.SetFocusControl(DisplayCB);
  TimerCB.SetAccessibleName("Change the picture");
  TimerL.SetFocusControl(TimerCB);
  ResumeCB.SetAccessibleName("Resume by itself after");
  ResumeL.SetFocusControl(ResumeCB);
  NextKeysHK.SetAccessibleName("Next picture with the keys");
  NextKeysL.SetFocusControl(NextKeysHK);
  SmallestCB.SetAccessibleName("Pass over pictures smaller than");
  SmallestL.SetFocusControl(SmallestCB);
  SetActiveControl(DisplayCB);
  ui::SetTabOrder({&DisplayCB, &RndChkB, &ShuffleCB, &SubfoldersCB, &ChangeWPCB, &PerMonitorCB, &AllPicturesCB,
                   &SmallestCB, &SameShapeCB, &TimerCB, &DayNightB, &BatteryCB, &DesktopMenuCB, &LogonCB, &ResumeCB,
                   &NextKeysHK, &OKB, &CancelB});
  DayNightB.OnClick = [this] {
    if (dayNight_) dayNight_->ShowModal();
  };
  OnActivate = [this] { FormActivate(); };
  OKB.OnClick = [this] { OKBClick(); };
  RndChkB.OnClick = [this] { ShuffleCB.SetEnabled(RndChkB.Checked()); };
  CancelB.OnClick = [this] { CancelBClick(); };
}

// Every showing starts from the stored values, whatever the controls showed before. A value that
// cannot be read is reported once the dialog shows the rest; OK then stores it readable again.
void TODialog::FormActivate() {
  shownInThisRun_ = true;
  platform::RegistryStore store = OpenSettingsStore();
  TDialogOptions options;
  const std::optional<platform::ERegistryException> unreadable = options.Load(store);
  const std::string nextKeys = store.ReadText(stored::kSection, stored::kNextKeys).value_or("");
  store.Close();
  RndChkB.SetChecked(options.rndFile);
  DisplayCB.SetItemIndex(options.display);
  ChangeWPCB.SetChecked(options.changeWP);
  PerMonitorCB.SetChecked(options.perMonitor);
  AllPicturesCB.SetChecked(options.allPictures);
  TimerCB.SetItemIndex(options.changeEvery);
  BatteryCB.SetChecked(options.onBattery);
  DesktopMenuCB.SetChecked(options.desktopMenu);
  ShuffleCB.SetChecked(options.shuffle);
  ShuffleCB.SetEnabled(options.rndFile);
  SubfoldersCB.SetChecked(options.subfolders);
  LogonCB.SetChecked(options.runAtLogon);
  ResumeCB.SetItemIndex(static_cast<int>(options.resumeAfter));
  SmallestCB.SetItemIndex(options.smallestPart);
  SameShapeCB.SetChecked(options.sameShape);
  std::string paused = PausedChangesCaption();
  if (!paused.empty()) paused[0] = 'C';
  PausedL.SetCaption(paused);
  NextKeysHK.SetHotKey(HotKeyOfText(nextKeys).value_or(0));
  if (unreadable) throw *unreadable;
}

// The values, the task, the menu's commands and the start-up entry are applied each on its own;
// one box names every part that failed. Values that cannot be stored keep the dialog open, as any
// error of the settings store does.
void TODialog::OKBClick() {
  const TDialogOptions options{.rndFile = RndChkB.Checked(),
                               .display = DisplayCB.ItemIndex(),
                               .changeWP = ChangeWPCB.Checked(),
                               .perMonitor = PerMonitorCB.Checked(),
                               .allPictures = AllPicturesCB.Checked(),
                               .changeEvery = TimerCB.ItemIndex(),
                               .onBattery = BatteryCB.Checked(),
                               .desktopMenu = DesktopMenuCB.Checked(),
                               .subfolders = SubfoldersCB.Checked(),
                               .shuffle = ShuffleCB.Checked(),
                               .runAtLogon = LogonCB.Checked(),
                               .resumeAfter = static_cast<ResumeAfter>(ResumeCB.ItemIndex()),
                               .smallestPart = SmallestCB.ItemIndex(),
                               .sameShape = SameShapeCB.Checked()};
  const Registration registered = StoredRegistration();
  // Keys that already start another shortcut would start one of the two, whichever Explorer finds.
  const std::uint16_t nextKeys = NextKeysHK.HotKey();
  if (nextKeys != 0 && nextKeys != registered.changes.nextKeys)
    if (const std::optional<std::string> other = schedule::ShortcutWithHotKey(nextKeys)) {
      ui::MessageDlg("The keys " + HotKeyText(nextKeys) + " already start \"" + *other + "\". Choose other keys.",
                     ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
      ::SetFocus(NextKeysHK.Handle());
      return;
    }
  std::optional<platform::ERegistryException> notStored;
  try {
    platform::RegistryStore store = OpenSettingsStore();
    options.Save(store);
  } catch (const platform::ERegistryException& error) {
    notStored = error;
  }
  std::string failures;
  for (const std::string& failure :
       MatchRegistration({.minutes = schedule::MinutesOfInterval(options.changeEvery),
                          .sunChange = registered.changes.sunChange,
                          .onBattery = options.onBattery,
                          .desktopMenu = options.desktopMenu,
                          .runAtLogon = options.runAtLogon,
                          .perMonitor = options.perMonitor,
                          .nextKeys = nextKeys},
                         registered))
    failures += "\n" + failure;
  if (notStored) throw platform::ERegistryException(notStored->Message() + failures);
  if (!failures.empty())
    ui::MessageDlg(failures.substr(1), ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
  Close();
}

void TODialog::CancelBClick() { Close(); }

platform::TWallpaperStyle TODialog::WallpaperStyle() const {
  if (!shownInThisRun_) return StoredWallpaperStyle();
  return platform::WallpaperStyleFromIndex(DisplayCB.ItemIndex());
}

}  // namespace settings
