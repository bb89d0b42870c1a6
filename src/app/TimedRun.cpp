#include "app/TimedRun.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "pictures/DecodeHelper.h"
#include "platform/Exceptions.h"
#include "rotation/KeptFiles.h"
#include "rotation/NextPictures.h"
#include "rotation/PictureChange.h"
#include "settings/SettingsStore.h"
#include "settings/TimerRegistration.h"
#include "settings/UserDataFolder.h"
#include "ui/MessageBoxes.h"
#include "wallpaper/DisplayMonitors.h"
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

// A box that what the run uses would show is answered unseen; the first is the run's error.
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

// What a change could not keep; the change is made all the same.
std::string Unkept(const std::string& what, const std::string& why) {
  return why.empty() ? std::string() : "; the " + what + " was not kept: " + why;
}

// The pictures written at once, as "Set as wallpaper" writes them; what they show.
rotation::Change SetPictures(const rotation::NextPictures& next, const UnshownBoxes& boxes) {
  if (next.pictures.empty()) throw platform::Exception("No file selected!");
  wallpaper::TImagN imaging;
  wallpaper::TWallpaperChange change(imaging, settings::UserDataFolder());
  rotation::PrepareChange(change, next);
  rotation::Change shown =
      rotation::ApplyChange(change, settings::StoredWallpaperStyle(), pictures::HelperWait::kBlocking);
  if (!boxes.First().empty()) throw platform::Exception(boxes.First());
  return shown;
}

// A step back or forward through the history, which then says where it stands.
std::optional<int> StepThroughHistory(TimedRun run, const UnshownBoxes& boxes) {
  rotation::THistory history = rotation::ReadHistory();
  const rotation::TExclusions excluded = rotation::ReadExclusions();
  const auto canShow = [&](const rotation::Change& change) { return rotation::CanShowAgain(change, excluded); };
  const rotation::Change* step = run == TimedRun::kPrevious ? history.Back(canShow) : history.Forward(canShow);
  if (!step) return std::nullopt;
  SetPictures(rotation::PicturesAgain(*step, excluded), boxes);
  return Finish(std::string(run == TimedRun::kPrevious ? "changed (previous)" : "changed (forward)") +
                    Unkept("history", rotation::KeepHistory(history)),
                0);
}

struct ExcludedPicture {
  std::string path;
  std::string monitor;  // the device name of the monitor under the pointer
};

// The picture on the monitor under the pointer joins the pictures never shown.
ExcludedPicture ExcludePictureUnderPointer() {
  const rotation::THistory history = rotation::ReadHistory();
  if (!history.Current()) throw platform::Exception("no picture was set by Vantoria yet");
  ExcludedPicture excluded{.path = {}, .monitor = wallpaper::MonitorUnderPointer()};
  excluded.path = rotation::PictureOnMonitor(*history.Current(), excluded.monitor)->path;
  rotation::SetExcluded(excluded.path, true);
  return excluded;
}

}  // namespace

int UserNotificationState() {
  QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
  return SUCCEEDED(::SHQueryUserNotificationState(&state)) ? state : QUNS_ACCEPTS_NOTIFICATIONS;
}

// The change without the window.
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
    if (run == TimedRun::kPrevious || run == TimedRun::kNext) {
      if (const std::optional<int> exitCode = StepThroughHistory(run, boxes)) return *exitCode;
      if (run == TimedRun::kPrevious) return Finish("failed: no earlier picture to go back to", 1);
    }
    // The monitor under the pointer takes the next picture; the others keep theirs.
    const ExcludedPicture excluded = run == TimedRun::kExclude ? ExcludePictureUnderPointer() : ExcludedPicture{};
    const rotation::NextPictures next = rotation::ChooseNextPictures(
        rotation::OnceADay::kIgnored,
        [&](const std::string& message) {
          missingList = message;
          return std::vector<std::string>();
        },
        excluded.monitor);
    const rotation::Change shown = SetPictures(next, boxes);
    return Finish((excluded.path.empty() ? "changed" : "changed (excluded \"" + excluded.path + "\")") +
                      Unkept("rotation's state", next.stateNotKept) +
                      Unkept("history", rotation::RecordChange(shown)),
                  0);
  } catch (const std::exception& error) {
    return Finish("failed: " + firstProblem(error.what()), 1);
  }
}

}  // namespace app
