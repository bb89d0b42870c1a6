// The timed changes and the desktop's "Next picture" command as Windows holds them (a scheduled
// task, a menu key), kept in step with the settings: ChangeEvery and TimerCommand say what is
// registered, DesktopMenu whether the menu has the command, LastTimerRun what last went wrong or
// how the last timed run ended.
#pragma once

#include <string>

namespace settings {

// OK in the options: registers or deletes the task (interval `changeEvery`, an index of the
// list) and adds or removes the menu command. A task that cannot be registered leaves none and
// ChangeEvery "0", and fails with platform::ETaskSchedulerError; one that cannot be deleted fails
// so too and stays as stored.
void ApplyTimerOptions(int changeEvery, bool onBattery, bool desktopMenu);
// At every start: a task or a menu command that names another copy of the program (the folder
// was moved, or copied to another PC) is registered again for this one. What fails is recorded,
// never shown.
void FollowMovedProgram();
// "/unregister": the task, the menu command and TimerCommand go; ChangeEvery and DesktopMenu
// become "0". Fails with the first error, after trying every part.
void UnregisterTimedChanges();
// LastTimerRun: the local time and `outcome`, "2026-12-08 14:05:00 changed". Never fails: it
// records failures, and a run's exit code tells the Task Scheduler even when it cannot.
void RecordTimerRun(const std::string& outcome) noexcept;

}  // namespace settings
