// The splash window. Its timer times the run: an interactive run closes it after 3000 ms; a
// start-up run re-arms it for 2500 ms, runs the start-up rotation, and closes it at the next tick,
// or, when the wallpaper is still to be written then (or was armed after that tick, behind a
// box of the rotation's), as soon as it is.
#pragma once

#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/Timer.h"

namespace windows {
class TFormMain;
}

namespace app {

class TPocetakDialog : public ui::TForm {
 public:
  static constexpr unsigned kFirstInterval = 3000;
  static constexpr unsigned kSecondInterval = 2500;
  // How often a start-up run looks again whether its wallpaper has been written.
  static constexpr unsigned kWallpaperWaitInterval = 100;

  // `startupRun`: the program was started with "/s".
  TPocetakDialog(windows::TFormMain& mainForm, bool startupRun);

  ui::TImage Slika;
  ui::TTimer Timer{kFirstInterval};

  void TimerTimer();
  // Ends a start-up run now, as its last tick would.
  void EndRun();

 private:
  // Closes the splash, or, in a start-up run whose wallpaper is still to be written, as soon as it is.
  void CloseOnceWallpaperWritten();

  windows::TFormMain& mainForm_;
  bool startupRun_;
};

}  // namespace app
