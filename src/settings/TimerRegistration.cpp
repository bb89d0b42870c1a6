#include "settings/TimerRegistration.h"

#include <windows.h>

#include "platform/Files.h"
#include "platform/Format.h"
#include "platform/Module.h"
#include "platform/TaskScheduler.h"
#include "platform/WideText.h"
#include "schedule/ChangeIntervals.h"
#include "schedule/DesktopMenuCommand.h"
#include "schedule/PictureChangeTask.h"
#include "schedule/ProgramCommand.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"

namespace settings {
namespace {

using Failures = std::vector<std::string>;

// Before Windows 10 version 1903 the program's texts are in the system's code page: a path with
// other letters would reach the task and the menu with "?" in place of them, and never start.
void CheckProgramPathCanBeRegistered() {
  if (!platform::ExecutablePathSurvivesCodePage())
    throw platform::Exception("the program's path has letters that this Windows cannot pass on to it; move it to a "
                              "folder whose name has none (Windows 10 version 1903 and later take any)");
}

// No task of ours goes on; TimerCommand and ChangeEvery go with it. A service that does not run
// has none to remove when none was registered (on Windows it always runs).
void RemoveTask(const Registration& registered) {
  try {
    if (schedule::PictureChangeTaskExists()) schedule::DeletePictureChangeTask();
  } catch (const platform::ETaskSchedulerError& error) {
    if (!error.ServiceNotRunning() || !registered.taskCommand.empty()) throw;
  }
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteInteger(stored::kSection, stored::kChangeEvery, 0);
  store.DeleteValue(stored::kSection, stored::kTimerCommand);
}

void RegisterTask(const TimedChanges& wanted, const Registration& registered) {
  CheckProgramPathCanBeRegistered();
  const std::string command = schedule::OwnTimedRunCommand();
  const bool asRegistered = registered.changes.minutes == wanted.minutes &&
                            registered.changes.onBattery == wanted.onBattery && registered.taskCommand == command;
  if (asRegistered && schedule::PictureChangeTaskExists()) return;
  schedule::RegisterPictureChangeTask(wanted.minutes, wanted.onBattery);
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteInteger(stored::kSection, stored::kChangeEvery, wanted.minutes);
  store.WriteString(stored::kSection, stored::kTimerCommand, command);
}

// OnBattery goes with the task too: a task that goes on as it was registered keeps its value.
void MatchTask(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  const auto storeBatteryChoice = [&] {
    OpenSettingsStore().WriteBool(stored::kSection, stored::kOnBattery, wanted.onBattery);
  };
  try {
    if (wanted.minutes > 0)
      RegisterTask(wanted, registered);
    else
      RemoveTask(registered);
    storeBatteryChoice();
    return;
  } catch (const platform::Exception& error) {
    failures.push_back((wanted.minutes > 0 ? "The picture cannot be changed on a timer: "
                                           : "The picture goes on changing on a timer: ") +
                       error.Message() + ".");
  }
  if (wanted.minutes <= 0) return;
  try {
    RemoveTask(registered);  // an older task must not go on as if registered
    storeBatteryChoice();
  } catch (const platform::Exception&) {
  }
}

void MatchMenu(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  try {
    if (!wanted.desktopMenu) {
      schedule::RemoveDesktopMenuCommand();
      return;
    }
    if (registered.menuCommand == schedule::OwnNextPictureCommand()) return;
    try {
      CheckProgramPathCanBeRegistered();
      schedule::AddDesktopMenuCommand();
    } catch (const platform::Exception&) {
      schedule::RemoveDesktopMenuCommand();  // no entry that runs nothing
      OpenSettingsStore().WriteBool(stored::kSection, stored::kDesktopMenu, false);
      throw;
    }
  } catch (const platform::Exception& error) {
    failures.push_back("The desktop's menu cannot be changed: " + error.Message() + ".");
  }
}

std::string Joined(const Failures& failures) {
  std::string text;
  for (const std::string& failure : failures) text += (text.empty() ? "" : " ") + failure;
  return text;
}

}  // namespace

Registration StoredRegistration() {
  platform::RegistryStore store = OpenSettingsStore();
  Registration registration;
  registration.changes.minutes = schedule::MinutesOfInterval(schedule::IntervalIndexOfStored(
      store.ReadText(stored::kSection, stored::kChangeEvery).value_or("0")));
  registration.changes.onBattery = StoredSwitch(store, stored::kOnBattery, true);
  registration.changes.desktopMenu = StoredSwitch(store, stored::kDesktopMenu, false);
  registration.taskCommand = store.ReadText(stored::kSection, stored::kTimerCommand).value_or("");
  store.Close();
  registration.menuCommand = schedule::DesktopMenuCommandLine();
  return registration;
}

std::vector<std::string> MatchRegistration(const TimedChanges& wanted, const Registration& registered) {
  Failures failures;
  MatchTask(wanted, registered, failures);
  MatchMenu(wanted, registered, failures);
  return failures;
}

void FollowMovedProgram() {
  const Registration registered = StoredRegistration();
  const bool taskElsewhere =
      registered.changes.minutes > 0 && registered.taskCommand != schedule::OwnTimedRunCommand();
  const bool menuElsewhere =
      registered.changes.desktopMenu && registered.menuCommand != schedule::OwnNextPictureCommand();
  if (!taskElsewhere && !menuElsewhere) return;
  if (const Failures failures = MatchRegistration(registered.changes, registered); !failures.empty())
    RecordTimerRun("failed: " + Joined(failures));
}

void RemoveUnchosenTask() {
  const Registration registered = StoredRegistration();
  Failures failures;
  MatchTask({.minutes = 0, .onBattery = registered.changes.onBattery}, registered, failures);
  RecordTimerRun("skipped: no interval chosen" + (failures.empty() ? "" : " (" + Joined(failures) + ")"));
}

bool UnregisterThisProgram() {
  const Registration registered = StoredRegistration();
  Failures failures;
  std::string leftBy;
  // Which copy registered it: none known, this one, or one that is gone, makes it this one's.
  const auto ownedElsewhere = [&leftBy](const std::string& command) {
    const std::optional<std::string> program = schedule::ProgramOfCommand(command);
    const bool elsewhere = program && !platform::SamePathText(*program, platform::ExecutablePath()) &&
                           platform::FileExists(*program);
    if (elsewhere && leftBy.empty()) leftBy = *program;
    return elsewhere;
  };
  if (!ownedElsewhere(registered.taskCommand))
    MatchTask({.minutes = 0, .onBattery = registered.changes.onBattery}, registered, failures);
  if (!ownedElsewhere(registered.menuCommand)) {
    MatchMenu({}, registered, failures);
    try {
      OpenSettingsStore().WriteBool(stored::kSection, stored::kDesktopMenu, false);
    } catch (const platform::Exception& error) {
      failures.push_back(error.Message());
    }
  }
  if (!failures.empty()) RecordTimerRun("failed: " + Joined(failures));
  else if (!leftBy.empty()) RecordTimerRun("left: registered by \"" + leftBy + "\"");
  return failures.empty();
}

void RecordTimerRun(const std::string& outcome) noexcept {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  try {
    OpenSettingsStore().WriteString(stored::kSection, stored::kLastTimerRun,
                                    platform::Format("%04u-%02u-%02u %02u:%02u:%02u ", now.wYear, now.wMonth,
                                                     now.wDay, now.wHour, now.wMinute, now.wSecond) +
                                        outcome);
  } catch (const std::exception&) {
  }
}

}  // namespace settings
