// The runs without a window: "/timer", started by the scheduled task, and "/next", started from
// the desktop's menu. They make the log-on run's change, every time, and never show a window or
// a box (nobody would see it, and a waiting run stops the task's later runs): the outcome goes
// to LastTimerRun and the exit code, which the Task Scheduler shows as the last result.
#pragma once

#include <functional>

namespace app {

enum class TimedRun {
  kTimer,  // skips while the user runs a full-screen program or a presentation
  kNext,   // the user asked: never skips
};

// SHQueryUserNotificationState's answer; a test gives its own.
using NotificationStateQuery = std::function<int()>;
int UserNotificationState();

// 0 when changed or skipped, 1 when failed.
int RunTimedChange(TimedRun run, const NotificationStateQuery& notificationState);

}  // namespace app
