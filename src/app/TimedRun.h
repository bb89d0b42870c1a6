// The runs without a window: "/timer", started by the scheduled task, "/next", "/nexthere",
// "/previous", "/exclude", "/pause" and "/resume", started from the desktop's menu, and "/refit",
// started by the monitors' task at log-on and unlock. They make the log-on run's change, every
// time, or step through the history of changes, or lay the composed wallpaper out again for
// monitors that changed, or pause the changes the program makes by itself, and never show a
// window or a box (nobody would see it, and a waiting run stops the task's later runs): the
// outcome goes to LastTimerRun and the exit code, which the Task Scheduler shows as the last
// result.
#pragma once

#include <chrono>
#include <functional>

#include "windows/WallpaperChangeLock.h"

namespace app {

enum class TimedRun {
  kTimer,     // skips while paused, or while the user runs a full-screen program or a presentation
  kNext,      // the user asked: never skips; after kPrevious, goes forward through the history first
  kNextHere,  // the monitor under the pointer takes the next picture; with one picture for all, kNext
  kPrevious,  // the change before the one shown, again
  kExclude,   // the picture under the pointer never again: its monitor takes the next
  kRefit,     // the pictures the monitors show, laid out again when the monitors changed
  kPause,     // kTimer and the log-on run change nothing until kResume (or the pause ends by itself)
  kResume,
};

// SHQueryUserNotificationState's answer; a test gives its own.
using NotificationStateQuery = std::function<int()>;
int UserNotificationState();

// 0 when changed or skipped, 1 when failed. Another change is waited for `lockWait` at most.
int RunTimedChange(TimedRun run, const NotificationStateQuery& notificationState,
                   std::chrono::milliseconds lockWait = windows::kChangeLockWait);

}  // namespace app
