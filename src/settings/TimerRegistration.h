// The timed changes, the monitors' task, the desktop's picture commands, the start-up entry and the
// next picture's shortcut as Windows holds them for a copy of the program (scheduled tasks, a menu
// key, a Run value, a Start menu shortcut), kept in step with the settings: ChangeEvery, OnBattery
// and TimerCommand say which task is registered (TimerCommand names the copy that owns it, as Wine
// keeps no action of a task), PerMonitor and RefitCommand the same of the monitors' task,
// DesktopMenu whether the menu has the commands, RunAtLogon whether the program made the start-up
// entry, NextKeys the shortcut's hot key, LastTimerRun what last went wrong or how the last timed
// run ended.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "schedule/NextKeysShortcut.h"

namespace settings {

// What the user chose.
struct TimedChanges {
  int minutes = 0;  // 0: at log-on only
  // The next sunrise or sunset, when day and night follow the sun and a folder is marked: the task
  // then also starts at that moment (UTC), whatever the interval.
  std::optional<std::int64_t> sunChange;
  bool onBattery = true;
  bool desktopMenu = false;
  bool runAtLogon = false;
  bool perMonitor = false;  // the monitors' task lays the wallpaper out again at log-on and unlock
  std::uint16_t nextKeys = 0;  // the hot key of the shortcut to the next picture; 0: none
};

// What the stored values say Windows holds. A value of the wrong type (a REG_DWORD written by
// hand) reads as missing.
struct Registration {
  TimedChanges changes;  // with the sunrise or sunset to wait for now
  std::string sunChange;     // as the task waits for it, "2026-12-10T07:05:00Z"; empty: none
  std::string taskCommand;   // empty: no task registered
  std::string refitCommand;  // the monitors' task's; empty: none registered
  std::string menuCommand;     // "Next picture" as the menu's key holds it; empty: none
  std::string startupCommand;  // as the start-up entry holds it; empty: none
  // The next picture's shortcut, read only while NextKeys says there is one (and by /unregister).
  std::optional<schedule::NextKeysShortcut> shortcut;
};
Registration StoredRegistration();

// Makes Windows hold `wanted` for this program, where `registered` says it holds something else
// (or the task is gone): the task is registered again only for another interval, battery choice
// or program, from the next whole minute. The start-up entry stays the user's to make by hand:
// it is removed only when the program made it, and not when it starts another program. Each part
// is applied on its own; the texts of those that failed (or were left) come back, and the stored
// values say what Windows holds: a task that cannot be registered leaves none when the old one
// can be deleted (ChangeEvery "0"), and TimerCommand goes only with a task that is gone.
std::vector<std::string> MatchRegistration(const TimedChanges& wanted, const Registration& registered);

// At every start: a task, the menu's commands, the start-up entry or the shortcut that the options
// choose but that name a program file that no longer exists (the folder was moved, or copied to
// another PC), or none, are registered again for this copy; what another copy that exists
// registered stays its own. What fails is recorded, never shown.
void FollowMovedProgram();

// Whether a task is wanted: an interval is chosen, or a sunrise or sunset waited for.
bool TaskChosen();
// A timed run while no task is wanted: its task, left behind, goes; LastTimerRun says "skipped: no
// interval chosen".
void RemoveUnchosenTask();

// At every start: this copy's task waits for the sunrise or sunset after now (or for none, when the
// sun is no longer followed). What fails is recorded, never shown.
void FollowTheSun();

// "/unregister": the task, the menu's commands, the start-up entry and the shortcut go when they
// name this program or one that no longer exists, with TimerCommand and NextKeys, and ChangeEvery,
// DesktopMenu and RunAtLogon become "0"; another copy's stay, and LastTimerRun says `left: registered by "<its
// path>"`. False, with what failed in LastTimerRun, when a part could not be removed.
bool UnregisterThisProgram();

// LastTimerRun: the local time and `outcome`, "2026-12-08 14:05:00 changed". Never fails: it
// records failures, and a run's exit code tells the Task Scheduler even when it cannot.
void RecordTimerRun(const std::string& outcome) noexcept;

}  // namespace settings
