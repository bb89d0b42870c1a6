#include "app/TimedRun.h"

#include <windows.h>

#include <shellapi.h>

#include <string>

#include "pictures/DecodeHelper.h"
#include "platform/Exceptions.h"
#include "rotation/NextPictures.h"
#include "rotation/PictureChange.h"
#include "settings/SettingsStore.h"
#include "settings/TimerRegistration.h"
#include "settings/UserDataFolder.h"
#include "ui/MessageBoxes.h"
#include "wallpaper/ImagN.h"
#include "wallpaper/WallpaperChange.h"
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

// The change without the window: the rotation's pictures written at once, as "Set as wallpaper"
// writes them.
int RunTimedChange(TimedRun run, const NotificationStateQuery& notificationState) {
  UnshownBoxes boxes;
  std::string missingList;
  const auto firstProblem = [&](const std::string& error) {
    return !missingList.empty() ? missingList : !boxes.First().empty() ? boxes.First() : Trimmed(error);
  };
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
    windows::WallpaperChangeLock lock;
    if (!lock.Take(windows::kChangeLockWait))
      return run == TimedRun::kTimer ? Finish("skipped: another change", 0) : Finish("failed: another change", 1);
    const rotation::NextPictures next =
        rotation::ChooseNextPictures(rotation::OnceADay::kIgnored, [&](const std::string& message) {
          missingList = message;
          return std::vector<std::string>();
        });
    if (next.pictures.empty()) throw platform::Exception("No file selected!");
    wallpaper::TImagN imaging;
    wallpaper::TWallpaperChange change(imaging, settings::UserDataFolder());
    rotation::PrepareChange(change, next);
    rotation::ApplyChange(change, settings::StoredWallpaperStyle(), pictures::HelperWait::kBlocking);
    if (!boxes.First().empty()) throw platform::Exception(boxes.First());
    return Finish(next.stateNotKept.empty() ? "changed" : "changed; the rotation's state was not kept: " + next.stateNotKept, 0);
  } catch (const std::exception& error) {
    return Finish("failed: " + firstProblem(error.what()), 1);
  }
}

}  // namespace app
