#include "app/TimedRun.h"

#include <windows.h>

#include <shellapi.h>

#include <optional>
#include <string>

#include "pictures/DecodeHelper.h"
#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "rotation/KeptFiles.h"
#include "rotation/NextPictures.h"
#include "rotation/PictureChange.h"
#include "settings/DayNightStore.h"
#include "settings/PausedChanges.h"
#include "settings/SettingsStore.h"
#include "settings/TimerRegistration.h"
#include "settings/UserDataFolder.h"
#include "ui/MessageBoxes.h"
#include "wallpaper/DisplayMonitors.h"
#include "wallpaper/ImagN.h"
#include "wallpaper/Wallpaper.h"
#include "wallpaper/WallpaperChange.h"

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

// The outcome, with day and night as they are when they are on, and the exit code.
int Finish(const std::string& outcome, const settings::DayNightNow& dayNight, int exitCode) {
  settings::RecordTimerRun(outcome + dayNight.Outcome());
  return exitCode;
}

// What a change could not keep; the change is made all the same.
std::string Unkept(const std::string& what, const std::string& why) {
  return why.empty() ? std::string() : "; the " + what + " was not kept: " + why;
}

constexpr char kNotOurWallpaper[] = "the desktop shows a picture Vantoria did not set";

// One change of a run: the history read once, what the desktop shows from it, the pictures
// written at once as "Set as wallpaper" writes them, and the history then kept with what was set.
class TChangeRun {
 public:
  TChangeRun(const UnshownBoxes& boxes, const settings::DayNightNow& dayNight)
      : boxes_(boxes), dayNight_(dayNight), history_(rotation::ReadHistory()), excluded_(rotation::ReadExclusions()) {}

  // The change the desktop shows; none before the first, or when the user has chosen another
  // wallpaper in Windows' settings since.
  const rotation::Change* Shown() const {
    const rotation::Change* current = history_.content.Current();
    return current && wallpaper::DesktopShowsWallpaperFile(settings::UserDataFolder()) ? current : nullptr;
  }

  // A step back or forward through the history, which then says what was set; its outcome, none
  // when there is none to step to. Back from a wallpaper the user chose, the program's own last one
  // comes first.
  std::optional<std::string> Step(TimedRun run) {
    rotation::THistory& history = history_.content;
    const auto canShow = [&](const rotation::Change& change) { return rotation::CanShowAgain(change, excluded_); };
    const rotation::Change* shown = Shown();
    const bool ownFirst = run == TimedRun::kPrevious && !shown && history.Current() && canShow(*history.Current());
    const rotation::Change* step = ownFirst                     ? history.Current()
                                   : run == TimedRun::kPrevious ? history.Back(canShow)
                                                                : history.Forward(canShow);
    if (!step) return std::nullopt;
    history.ReplaceCurrent(Set(rotation::PicturesAgain(*step, shown, excluded_)));
    return std::string(run == TimedRun::kPrevious ? "changed (previous)" : "changed (forward)") +
           Unkept("history", rotation::KeepHistory(history_));
  }

  // New pictures: for every monitor, or for `forMonitor` while the others keep theirs; the outcome.
  std::string New(const std::string& outcome, const rotation::ReportMissingList& reportMissingList,
                  const std::string& forMonitor = {}) {
    const rotation::NextPictures next = rotation::ChooseNextPictures(rotation::OnceADay::kIgnored, reportMissingList,
                                                                     Shown(), dayNight_, forMonitor);
    history_.content.Record(Set(next));
    // The folders are looked at once the wallpaper is set: the change does not wait for them.
    const std::string stateNotKept = next.keepState ? next.keepState() : std::string();
    return outcome + Unkept("rotation's state", stateNotKept) + Unkept("history", rotation::KeepHistory(history_));
  }

  // The picture on the monitor under the pointer joins the pictures never shown; its monitor.
  std::string ExcludeUnderPointer(std::string& excludedPicture) {
    if (!history_.content.Current()) throw platform::Exception("no picture was set by Vantoria yet");
    if (!Shown()) throw platform::Exception(kNotOurWallpaper);
    std::string monitor = wallpaper::MonitorUnderPointer();
    excludedPicture = rotation::PictureOnMonitor(*Shown(), monitor)->path;
    rotation::SetExcluded(excludedPicture, true);
    return monitor;
  }

  // The pictures the monitors show, laid out again for the monitors as they are now, the history
  // as it is; the outcome.
  std::string Refit() {
    if (!Shown())
      return "skipped: " +
             std::string(history_.content.Current() ? kNotOurWallpaper : "no picture was set by Vantoria yet");
    if (wallpaper::LayoutText(rotation::MonitorsWithPictures()) == settings::StoredWallpaperLayout())
      return "skipped: the monitors are as they were";
    Set(rotation::PicturesAgain(*Shown(), Shown(), excluded_));
    return "refitted";
  }

 private:
  rotation::Change Set(const rotation::NextPictures& next) {
    if (next.pictures.empty()) throw platform::Exception("No file selected!");
    wallpaper::TImagN imaging;
    wallpaper::TWallpaperChange change(imaging, settings::UserDataFolder());
    rotation::PrepareChange(change, next);
    rotation::Change shown =
        rotation::ApplyChange(change, settings::StoredWallpaperStyle(), pictures::HelperWait::kBlocking);
    if (!boxes_.First().empty()) throw platform::Exception(boxes_.First());
    return shown;
  }

  const UnshownBoxes& boxes_;
  const settings::DayNightNow& dayNight_;
  rotation::Kept<rotation::THistory> history_;
  const rotation::TExclusions excluded_;
};

}  // namespace

int UserNotificationState() {
  QUERY_USER_NOTIFICATION_STATE state = QUNS_ACCEPTS_NOTIFICATIONS;
  return SUCCEEDED(::SHQueryUserNotificationState(&state)) ? state : QUNS_ACCEPTS_NOTIFICATIONS;
}

// The change without the window.
int RunTimedChange(TimedRun run, const NotificationStateQuery& notificationState, std::chrono::milliseconds lockWait) {
  UnshownBoxes boxes;
  const settings::DayNightNow dayNight = settings::DayNightAt(platform::UtcNow());
  std::string missingList;
  const auto reportMissingList = [&](const std::string& message) {
    missingList = message;
    return std::vector<std::string>();
  };
  const auto firstProblem = [&](const std::string& error) {
    return !missingList.empty() ? missingList : !boxes.First().empty() ? boxes.First() : Trimmed(error);
  };
  try {
    if (run == TimedRun::kPause || run == TimedRun::kResume) {
      run == TimedRun::kPause ? settings::PauseChanges() : settings::ResumeChanges();
      return Finish(run == TimedRun::kPause ? "paused" : "resumed", dayNight, 0);
    }
    if (run == TimedRun::kTimer) {
      // A task left behind by a failed removal, or for a sun no longer followed: it goes now.
      if (!settings::TaskChosen()) {
        settings::RemoveUnchosenTask();
        return 0;
      }
      if (!settings::PausedChangesCaption().empty()) return Finish("skipped: paused", dayNight, 0);
      if (const std::string reason = SkipReason(notificationState()); !reason.empty())
        return Finish("skipped: " + reason, dayNight, 0);
    }
    windows::WallpaperChangeLock lock;
    if (!lock.Take(lockWait))
      return run == TimedRun::kTimer ? Finish("skipped: another change", dayNight, 0)
                                     : Finish("failed: another change", dayNight, 1);
    TChangeRun change(boxes, dayNight);
    switch (run) {
      case TimedRun::kRefit: return Finish(change.Refit(), dayNight, 0);
      case TimedRun::kPrevious:
        if (const std::optional<std::string> outcome = change.Step(run)) return Finish(*outcome, dayNight, 0);
        return Finish("failed: no earlier picture to go back to", dayNight, 1);
      case TimedRun::kNextHere:
        if (!rotation::MonitorsWithPictures().empty())
          return Finish(change.New("changed (one monitor)", reportMissingList, wallpaper::MonitorUnderPointer()),
                        dayNight, 0);
        [[fallthrough]];
      case TimedRun::kNext:
        if (const std::optional<std::string> outcome = change.Step(run)) return Finish(*outcome, dayNight, 0);
        return Finish(change.New("changed", reportMissingList), dayNight, 0);
      case TimedRun::kExclude: {
        std::string picture;
        const std::string monitor = change.ExcludeUnderPointer(picture);
        return Finish(change.New("changed (excluded \"" + picture + "\")", reportMissingList, monitor), dayNight, 0);
      }
      case TimedRun::kTimer:
      case TimedRun::kPause:
      case TimedRun::kResume: break;
    }
    return Finish(change.New("changed", reportMissingList), dayNight, 0);
  } catch (const std::exception& error) {
    return Finish("failed: " + firstProblem(error.what()), dayNight, 1);
  }
}

}  // namespace app
