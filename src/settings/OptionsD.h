// The options dialog: display style, random order (every picture once before any repeats, if
// asked), subfolders, the once-a-day start-up change, a picture for each monitor, every kind of
// picture, the pictures passed over for their size or shape, timed changes, the picture commands on
// the desktop's menu, the start-up entry, the way to the "Day and night" dialog, when a pause of
// the changes ends by itself, and the keys that start the next picture.
// Two columns: what is shown on the left, when it changes on the right.
// What its Display box shows is the style the wallpaper takes, confirmed or not.
#pragma once

#include "platform/WallpaperStyle.h"
#include "settings/DayNightD.h"
#include "ui/Button.h"
#include "ui/CheckBox.h"
#include "ui/ComboBox.h"
#include "ui/Form.h"
#include "ui/HotKey.h"
#include "ui/Label.h"

namespace settings {

class TODialog : public ui::TForm {
 public:
  TODialog();

  ui::TLabel DisplayL;
  ui::TComboBox DisplayCB;
  ui::TCheckBox RndChkB;
  ui::TButton OKB;
  ui::TButton CancelB;
  ui::TCheckBox ChangeWPCB;
  ui::TCheckBox PerMonitorCB;
  ui::TCheckBox AllPicturesCB;
  ui::TLabel TimerL;
  ui::TComboBox TimerCB;
  ui::TCheckBox BatteryCB;
  ui::TCheckBox DesktopMenuCB;
  // Used only while RndChkB is checked, and enabled only then; its check is kept meanwhile.
  ui::TCheckBox ShuffleCB;
  ui::TCheckBox SubfoldersCB;
  ui::TCheckBox LogonCB;
  // Opens the "Day and night" dialog.
  ui::TButton DayNightB;
  ui::TLabel ResumeL;
  ui::TComboBox ResumeCB;
  // "Changes paused since 14:02" while they are; empty otherwise.
  ui::TLabel PausedL;
  ui::TLabel NextKeysL;
  ui::THotKey NextKeysHK;
  ui::TLabel SmallestL;
  ui::TComboBox SmallestCB;  // the items of kSmallestParts
  ui::TCheckBox SameShapeCB;

  void ConnectDayNight(TDayNightDialog& dayNight) { dayNight_ = &dayNight; }

  // Loads the controls from the settings store.
  void FormActivate();
  // Stores the controls' values, registers the timed changes, the menu and the start-up entry as
  // they say, and closes; what cannot be registered is reported, and the values then say what is.
  void OKBClick();
  void CancelBClick();

  // The style a wallpaper takes now: once the dialog has been shown in this run, the one its
  // Display box shows selected, confirmed or not (none when it shows no selection); before
  // that, the stored one, as the dialog would show it.
  platform::TWallpaperStyle WallpaperStyle() const;

 private:
  bool shownInThisRun_ = false;
  TDayNightDialog* dayNight_ = nullptr;
};

}  // namespace settings
