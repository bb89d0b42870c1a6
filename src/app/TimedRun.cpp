#include "app/TimedRun.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "platform/Exceptions.h"
#include "settings/TimerRegistration.h"
#include "ui/Application.h"
#include "ui/MessageBoxes.h"
#include "windows/MainForm.h"
#include "windows/StartupRotation.h"
#include "windows/WallpaperChangeLock.h"

namespace app {
namespace {

// Not quiet time, not a locked session: only what a change of the desktop would disturb.
std::string SkipReason(int state) {
  switch (state) {
    case QUNS_BUSY:
    case QUNS_RUNNING_D3D_FULL_SCREEN: return "full-screen program";
    case QUNS_PRESENTATION_MODE: return "presentation";
    default: return "";
  }
}

std::string Trimmed(std::string text) {
  const auto first = text.find_first_not_of(" \r\n");
  text.erase(0, first == std::string::npos ? text.size() : first);
  text.erase(text.find_last_not_of(" \r\n") + 1);
  return text;
}

// The boxes the window's handlers would show are answered unseen; the first is the run's error.
class UnshownBoxes {
 public:
  UnshownBoxes()
      : previous_(ui::SetMessageBoxHook([this](const ui::MessageBoxRequest& box) {
          if (first_.empty()) first_ = Trimmed(box.text);
          return box.buttons == MB_YESNO ? IDNO : IDOK;
        })) {}
  ~UnshownBoxes() { ui::SetMessageBoxHook(std::move(previous_)); }
  UnshownBoxes(const UnshownBoxes&) = delete;
  UnshownBoxes& operator=(const UnshownBoxes&) = delete;

  const std::string& First() const { return first_; }

 private:
  ui::MessageBoxHook previous_;
  std::string first_;
};

int Finish(const std::string& outcome, int exitCode) {
  settings::RecordTimerRun(outcome);
  return exitCode;
}

}  // namespace

int UserNotificationState() {
  QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
  return SUCCEEDED(::SHQueryUserNotificationState(&state)) ? state : QUNS_ACCEPTS_NOTIFICATIONS;
}

int RunTimedChange(TimedRun run, const NotificationStateQuery& notificationState) {
  UnshownBoxes boxes;
  try {
    if (run == TimedRun::kTimer) {
      // A task left behind by a failed removal: it goes now.
      if (settings::StoredRegistration().changes.minutes == 0) {
        settings::RemoveUnchosenTask();
        return 0;
      }
      if (const std::string reason = SkipReason(notificationState()); !reason.empty())
        return Finish("skipped: " + reason, 0);
    }
    auto& form = ui::Application().CreateForm<windows::TFormMain>(windows::TMainFormUse::kNeverShown);
    if (!form.ChangeLock().Take(windows::kChangeLockWait))
      return run == TimedRun::kTimer ? Finish("skipped: another change", 0) : Finish("failed: another change", 1);
    windows::RunStartupRotation(form, windows::OnceADay::kIgnored);
    if (!boxes.First().empty()) throw platform::Exception(boxes.First());
    if (!form.WallpaperPending()) throw platform::Exception("No picture was chosen");
    form.TimerTimer();  // now: nobody waits for the window's second phase
    if (!boxes.First().empty()) throw platform::Exception(boxes.First());
    return Finish("changed", 0);
  } catch (const std::exception& error) {
    return Finish("failed: " + (boxes.First().empty() ? Trimmed(error.what()) : boxes.First()), 1);
  }
}

}  // namespace app
