#include "app/PocetakD.h"

#include "app/RunMode.h"
#include "windows/MainForm.h"

namespace app {
namespace {

ui::TFormSpec SplashSpec() {
  ui::TFormSpec layout;
  layout.name = "PocetakDialog";
  layout.caption = "PocetakDialog";
  layout.borderStyle = ui::TBorderStyle::bsNone;
  layout.position = ui::TPosition::poDesktopCenter;
  layout.width = 457;
  layout.height = 233;
  layout.clientSize = true;
  return layout;
}

}  // namespace

TPocetakDialog::TPocetakDialog(windows::TFormMain& mainForm) : TForm(SplashSpec()), mainForm_(mainForm) {
  SetCursor(::LoadCursorA(nullptr, IDC_WAIT));
  Timer.OnTimer = [this] { TimerTimer(); };
}

void TPocetakDialog::TimerTimer() {
  Timer.SetEnabled(false);
  if (!IsStartupRun() || Timer.Interval() != kFirstInterval) {
    Close();
    return;
  }
  // Re-armed before the rotation, so that the second tick comes even when the rotation fails.
  Timer.SetInterval(kSecondInterval);
  Timer.SetEnabled(true);
  mainForm_.StartupRotation();
}

}  // namespace app
