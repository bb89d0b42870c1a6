// The splash window. Its timer times the run: an interactive run closes it after 3000 ms; a
// start-up run re-arms it for 2500 ms, runs the start-up rotation, and closes it at the next tick.
#pragma once

#include "ui/Form.h"
#include "ui/Timer.h"

namespace windows {
class TFormMain;
}

namespace app {

class TPocetakDialog : public ui::TForm {
 public:
  static constexpr unsigned kFirstInterval = 3000;
  static constexpr unsigned kSecondInterval = 2500;

  explicit TPocetakDialog(windows::TFormMain& mainForm);

  ui::TTimer Timer{kFirstInterval};

  void TimerTimer();

 private:
  windows::TFormMain& mainForm_;
};

}  // namespace app
