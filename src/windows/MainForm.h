// The main window: every user action of the program is one of its handlers.
#pragma once

#include <memory>
#include <string>
#include <vector>

#include "browse/FileListBox.h"
#include "browse/FolderListFile.h"
#include "browse/ShellTreeView.h"
#include "controls/ButtonComps.h"
#include "pictures/DecodeHelper.h"
#include "rotation/NextPictures.h"
#include "settings/DayNightD.h"
#include "settings/FolderPhases.h"
#include "settings/OptionsD.h"
#include "ui/Bevel.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Label.h"
#include "ui/Timer.h"
#include "wallpaper/ImagN.h"
#include "wallpaper/WallpaperChange.h"
#include "windows/WallpaperChangeLock.h"

namespace windows {

class TFormMain : public ui::TForm {
 public:
  TFormMain();

  ui::TLabel Uputa1;
  ui::TBevel Bevel1;
  ui::TImage Slika;
  ui::TLabel VisinaL;
  ui::TLabel DuzinaL;
  controls::TSelButton SelectSB;
  controls::TSelButton UnselectSB;
  controls::TSelButton SetSB;
  controls::TSelButton ZatvoriSB;
  ui::TListBox SelDirLB;
  browse::TFileListBox FileLB;
  browse::TShellTreeView ShellTV;
  wallpaper::TImagN ImagN;
  ui::TMainMenu Menu;
  // The wallpaper's second phase, 2000 ms after the first; one shot.
  ui::TTimer Timer{2000};

  // The dialogs the entry creates after this window.
  void ConnectDialogs(settings::TODialog& options, settings::TDayNightDialog& dayNight, ui::TForm& about);

  // Loads the selected-folder list and sets the help file beside the executable.
  void FormCreate();
  // Saves the selected-folder list; a failed save keeps the window open.
  void FormClose();
  // Adds the tree's folder to the selected-folder list.
  void SelectBClick();
  // Removes the selected entry of the selected-folder list.
  void UnSelectBClick();
  // Shows the selected entry's folder in the picture file list.
  void SelDirLBClick();
  // The selected-folder list's entries as the file keeps them; the list shows each with when it is
  // shown, "C:\Pictures\Stars (night)". Entry fails with "List index out of bounds (%d)".
  const std::vector<std::string>& Entries() const { return entries_; }
  std::string Entry(int index) const;
  // Adds an entry at the end, as the list file gives them.
  void AddEntry(const std::string& entry);
  // When the selected entry's folder is shown: at any time, by day or by night; kept at once.
  void ShowSelectedFolder(settings::ShownWhen when);
  // The tree's folder becomes the picture file list's.
  void ShellTVChange();
  // The picture-click routine: remembers the selected picture's path and previews it. A picture
  // of the imaging component's kinds is decoded while the window goes on answering: the preview
  // stays empty until it comes.
  void FileLBClick();
  // Empties the preview, giving up a picture still being decoded.
  void ClearPreview();
  void M_H_OptionsClick();
  void M_H_AboutClick();
  // Shows the help file's table of contents.
  void M_H_ContentsClick();
  // The menu's "Set as wallpaper" and "Select directory": as the buttons.
  void M_A_SetClick();
  void M_A_SelectClick();
  // Close the window; the list is saved on the way.
  void ZatvoriButtonClick();
  void M_A_ExitClick();
  // Ticks the selected picture out of the rotation, or back in.
  void M_A_ExcludeClick();
  void M_A_DayNightClick();
  void M_ActionsPopup();
  // "Set as wallpaper", first phase: hands the picture over and arms the timer. The change holds
  // the session's change lock until the second phase ends.
  void SetBClick();
  // The first phase for the rotation's pictures, as if the user had clicked the picture and
  // "Set as wallpaper": " No file selected! " when there is none.
  void SetRotationPictures(const rotation::NextPictures& next);
  // Second phase: writes the wallpaper file and the desktop values, and tells the system.
  void TimerTimer();

  const std::string& PicturePath() const { return picturePath_; }
  // A picture is being decoded for the preview.
  bool PreviewPending() const { return pendingDecode_ != nullptr; }

  // A wallpaper's second phase has yet to run.
  bool WallpaperPending() const { return Timer.Enabled(); }
  // Runs `change` holding the session's change lock (failing when another change holds it), which
  // this window keeps from the start of a change ("Set as wallpaper", the log-on run's choice) to
  // the end of its second phase: given up after `change` unless a second phase is still to come or
  // under way.
  void WithChangeLock(const std::function<void()>& change);

 protected:
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;

 private:
  // The decoding helper of picture-click `click` ended: the preview shows what it gave.
  void PictureDecoded(WPARAM click);
  // The picture clicked last decoded in the background for the preview.
  void DecodePreview();
  // The preview's picture must be drawn at another size: decoded again, in the background.
  void RedecodePreview();
  // A decode under way for the preview is given up; an end it posted is ignored.
  void GiveUpPreviewDecode();
  void ShowPreviewSize();
  // Runs a first phase: takes the change lock, `prepare`s the change and arms the timer.
  void PrepareWallpaper(const std::function<void()>& prepare);
  // With a picture for each of several monitors: the previewed one on the monitor that holds
  // most of this window, and on every monitor that shows none of its own that can be shown.
  std::vector<wallpaper::MonitorPicture> PicturesForMonitors(std::vector<wallpaper::Monitor> monitors) const;
  // Every kind of picture this PC decodes in the picture list too, when the options say so.
  void ShowPictureKinds();

  // An item of "Show the selected folder".
  ui::TMenuItem ShownWhenItem(const char* name, const char* caption, settings::ShownWhen when);
  // The list's text for an entry: with when its folder is shown, unless at any time.
  std::string ShownEntry(const std::string& entry) const;
  // Shows "No folder selected!" when the list has no selection, and says so.
  bool WarnWithoutSelection() const;
  // The caption says since when the changes are paused, while they are.
  void ShowPauseInCaption();

  browse::TFolderListFile listFile_;
  std::vector<std::string> entries_;
  settings::TFolderPhases phases_;
  std::string picturePath_;
  std::unique_ptr<pictures::BackgroundDecode> pendingDecode_;
  WPARAM pictureClicks_ = 0;
  wallpaper::TWallpaperChange wallpaperChange_;
  WallpaperChangeLock changeLock_;
  bool writingWallpaper_ = false;
  settings::TODialog* options_ = nullptr;
  settings::TDayNightDialog* dayNight_ = nullptr;
  ui::TForm* about_ = nullptr;
};

}  // namespace windows
