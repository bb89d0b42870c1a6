#include "app/PocetakD.h"

#include "pictures/JpegPicture.h"
#include "platform/Resources.h"
#include "windows/MainForm.h"
#include "windows/StartupRotation.h"

namespace app {
namespace {

std::unique_ptr<ui::TGraphic> SplashPicture() {
  auto picture = std::make_unique<pictures::TJPEGImage>();
  picture->LoadFromBytes(platform::ResourceBytes("SPLASH"));
  return picture;
}

}  // namespace

// The picture is wider than the window: shrunk to the image's width, it starts 8 pixels left of
// the window's edge.
TPocetakDialog::TPocetakDialog(windows::TFormMain& mainForm, bool startupRun)
    : TForm({.name = "PocetakDialog",
             .caption = "PocetakDialog",
             .borderStyle = ui::TBorderStyle::bsNone,
             .position = ui::TPosition::poScreenCenter,  // the primary monitor, not across two
             .bounds = ui::Design(0, 0, 457, 233),
             .clientSize = true,
             .font = ui::TFont()}),
      Slika("Slika", *this, ui::Design(-8, 0, 465, 233), {.stretch = false, .proportional = true, .center = false},
            false),
      mainForm_(mainForm),
      startupRun_(startupRun) {
  SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
  Slika.SetPictureScalesWithDpi();
  Slika.SetPicture(SplashPicture());
  Timer.OnTimer = [this] { TimerTimer(); };
}

void TPocetakDialog::TimerTimer() {
  Timer.SetEnabled(false);
  if (!startupRun_ || Timer.Interval() != kFirstInterval) {
    CloseOnceWallpaperWritten();
    return;
  }
  // Re-armed before the rotation, so that the second tick comes even when the rotation fails.
  Timer.SetInterval(kSecondInterval);
  Timer.SetEnabled(true);
  windows::RunStartupRotation(mainForm_);
  // A box of the rotation's was up at the second tick, which asked to close; the wallpaper the
  // rotation went on to arm must still be written before the run ends.
  if (ModalResult() != ui::mrNone && mainForm_.WallpaperPending()) {
    SetModalResult(ui::mrNone);
    Timer.SetInterval(kWallpaperWaitInterval);
    Timer.SetEnabled(true);
  }
}

void TPocetakDialog::EndRun() {
  Timer.SetEnabled(false);
  CloseOnceWallpaperWritten();
}

// A slow rotation may leave the wallpaper's second phase for after the last tick; the run must
// not end before it.
void TPocetakDialog::CloseOnceWallpaperWritten() {
  if (startupRun_ && mainForm_.WallpaperPending()) {
    Timer.SetInterval(kWallpaperWaitInterval);
    Timer.SetEnabled(true);
    return;
  }
  Close();
}

}  // namespace app
