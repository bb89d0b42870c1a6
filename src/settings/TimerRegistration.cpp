#include "settings/TimerRegistration.h"

#include <windows.h>

#include <functional>

#include "platform/Clock.h"
#include "platform/Files.h"
#include "platform/Module.h"
#include "platform/Paths.h"
#include "platform/ShortDate.h"
#include "platform/TaskScheduler.h"
#include "schedule/ChangeIntervals.h"
#include "schedule/DesktopMenuCommand.h"
#include "schedule/NextKeysShortcut.h"
#include "schedule/PictureChangeTask.h"
#include "schedule/ProgramCommand.h"
#include "schedule/RefitTask.h"
#include "schedule/StartupEntry.h"
#include "settings/DayNightStore.h"
#include "settings/HotKeyText.h"
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
  store.DeleteValue(stored::kSection, stored::kSunChange);
}

std::string SunChangeText(const TimedChanges& changes) {
  return changes.sunChange ? platform::UtcBoundaryText(*changes.sunChange) : std::string();
}

bool Wanted(const TimedChanges& changes) { return changes.minutes > 0 || changes.sunChange.has_value(); }

// The registered interval is ChangeEvery's; the sunrise or sunset is SunChange's.
void RegisterTask(const TimedChanges& wanted, const Registration& registered) {
  CheckProgramPathCanBeRegistered();
  const std::string command = schedule::OwnTimedRunCommand();
  const std::string sunChange = SunChangeText(wanted);
  const bool asRegistered = registered.changes.minutes == wanted.minutes &&
                            registered.changes.onBattery == wanted.onBattery && registered.taskCommand == command &&
                            registered.sunChange == sunChange;
  if (asRegistered && schedule::PictureChangeTaskExists()) return;
  schedule::RegisterPictureChangeTask(wanted.minutes, wanted.onBattery, sunChange);
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteInteger(stored::kSection, stored::kChangeEvery, wanted.minutes);
  store.WriteString(stored::kSection, stored::kTimerCommand, command);
  if (sunChange.empty())
    store.DeleteValue(stored::kSection, stored::kSunChange);
  else
    store.WriteString(stored::kSection, stored::kSunChange, sunChange);
}

// OnBattery goes with the task too: a task that goes on as it was registered keeps its value.
void MatchTask(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  const auto storeBatteryChoice = [&] {
    OpenSettingsStore().WriteBool(stored::kSection, stored::kOnBattery, wanted.onBattery);
  };
  try {
    if (Wanted(wanted))
      RegisterTask(wanted, registered);
    else
      RemoveTask(registered);
    storeBatteryChoice();
    return;
  } catch (const platform::Exception& error) {
    failures.push_back((Wanted(wanted) ? "The picture cannot be changed on a timer: "
                                       : "The picture goes on changing on a timer: ") +
                       error.Message() + ".");
  }
  if (!Wanted(wanted)) return;
  try {
    RemoveTask(registered);  // an older task must not go on as if registered
    storeBatteryChoice();
  } catch (const platform::Exception&) {
  }
}

// The monitors' task while a picture on each monitor is chosen, with RefitCommand naming its copy.
// One that cannot be registered leaves the choice on: the wallpaper is then laid out again at the
// next change only.
void MatchRefitTask(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  try {
    if (wanted.perMonitor) {
      CheckProgramPathCanBeRegistered();
      const std::string command = schedule::OwnRefitCommand();
      if (registered.refitCommand == command && schedule::RefitTaskExists()) return;
      schedule::RegisterRefitTask();
      OpenSettingsStore().WriteString(stored::kSection, stored::kRefitCommand, command);
      return;
    }
    if (schedule::RefitTaskExists()) schedule::DeleteRefitTask();
    OpenSettingsStore().DeleteValue(stored::kSection, stored::kRefitCommand);
  } catch (const platform::Exception& error) {
    failures.push_back((wanted.perMonitor ? "The wallpaper cannot follow the monitors at log-on: "
                                          : "The wallpaper goes on following the monitors at log-on: ") +
                       error.Message() + ".");
  }
}

// Writes a command of ours (the menu's, the start-up entry's) unless it runs this program already.
// One that cannot be written turns its choice off, so that the options say what Windows holds;
// `undo` takes away what was written of it.
void WriteOwnCommand(const std::string& registered, const std::string& own, const std::function<void()>& write,
                     const std::function<void()>& undo, const char* choice) {
  if (registered == own) return;
  try {
    CheckProgramPathCanBeRegistered();
    write();
  } catch (const platform::Exception&) {
    if (undo) undo();
    OpenSettingsStore().WriteBool(stored::kSection, choice, false);
    throw;
  }
}

void MatchMenu(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  try {
    if (wanted.desktopMenu)  // a menu that cannot be written goes: no entry that runs nothing
      WriteOwnCommand(registered.menuCommand, schedule::OwnNextPictureCommand(), schedule::AddDesktopMenuCommand,
                      schedule::RemoveDesktopMenuCommand, stored::kDesktopMenu);
    else
      schedule::RemoveDesktopMenuCommand();
  } catch (const platform::Exception& error) {
    failures.push_back("The desktop's menu cannot be changed: " + error.Message() + ".");
  }
}

// Whose a registered command is: this copy's, another copy's that exists (left to it), or
// nobody's, when the program it names is gone (a moved or deleted copy) or it names none.
enum class Owner { kThisCopy, kOtherCopy, kNobody };
struct CommandOwner {
  Owner owner;
  std::string program;
};
CommandOwner OwnerOf(const std::string& command) {
  std::string program = schedule::ProgramOfCommand(command, platform::FileExists);
  if (platform::SamePath(program, platform::ExecutablePath())) return {Owner::kThisCopy, std::move(program)};
  if (!program.empty() && platform::FileExists(program)) return {Owner::kOtherCopy, std::move(program)};
  return {Owner::kNobody, std::move(program)};
}

// The program a command starts when it is another copy that exists.
std::optional<std::string> OtherProgramOf(const std::string& command) {
  CommandOwner owner = OwnerOf(command);
  if (owner.owner != Owner::kOtherCopy) return std::nullopt;
  return std::move(owner.program);
}

void RemoveStartupEntry(const Registration& registered, Failures& failures) {
  if (registered.startupCommand.empty()) return;
  if (const std::optional<std::string> other = OtherProgramOf(registered.startupCommand)) {
    failures.push_back("The start-up entry \"Vantoria\" was left as it is: it starts \"" + *other + "\".");
    return;
  }
  schedule::RemoveStartupEntry();
}

// Only a choice the user made in the options writes the entry or takes it away.
void MatchStartup(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  try {
    if (!wanted.runAtLogon) {
      if (registered.changes.runAtLogon) RemoveStartupEntry(registered, failures);
      return;
    }
    WriteOwnCommand(registered.startupCommand, schedule::OwnStartupCommand(), schedule::WriteStartupEntry, {},
                    stored::kRunAtLogon);
  } catch (const platform::Exception& error) {
    failures.push_back("The start-up entry cannot be changed: " + error.Message() + ".");
  }
}

// The shortcut runs this copy with the chosen keys, or there is none; NextKeys says which. One that
// cannot be written turns the choice off.
void MatchShortcut(const TimedChanges& wanted, const Registration& registered, Failures& failures) {
  try {
    if (wanted.nextKeys == 0) {
      schedule::RemoveNextKeysShortcut();
      OpenSettingsStore().DeleteValue(stored::kSection, stored::kNextKeys);
      return;
    }
    const bool asRegistered = registered.shortcut && registered.shortcut->hotKey == wanted.nextKeys &&
                              OwnerOf(registered.shortcut->command).owner == Owner::kThisCopy;
    try {
      if (!asRegistered) schedule::WriteNextKeysShortcut(wanted.nextKeys);
    } catch (const platform::Exception&) {
      OpenSettingsStore().DeleteValue(stored::kSection, stored::kNextKeys);
      throw;
    }
    OpenSettingsStore().WriteString(stored::kSection, stored::kNextKeys, HotKeyText(wanted.nextKeys));
  } catch (const platform::Exception& error) {
    failures.push_back((wanted.nextKeys != 0 ? "The keys cannot start the next picture: "
                                             : "The keys go on starting the next picture: ") +
                       error.Message() + ".");
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
  registration.changes.onBattery = StoredBool(store, stored::kOnBattery, true);
  registration.changes.desktopMenu = StoredBool(store, stored::kDesktopMenu, false);
  registration.changes.runAtLogon = StoredBool(store, stored::kRunAtLogon, false);
  registration.changes.perMonitor = StoredBool(store, stored::kPerMonitor, false);
  registration.changes.nextKeys =
      HotKeyOfText(store.ReadText(stored::kSection, stored::kNextKeys).value_or("")).value_or(0);
  registration.taskCommand = store.ReadText(stored::kSection, stored::kTimerCommand).value_or("");
  registration.sunChange = store.ReadText(stored::kSection, stored::kSunChange).value_or("");
  registration.refitCommand = store.ReadText(stored::kSection, stored::kRefitCommand).value_or("");
  store.Close();
  registration.changes.sunChange = DayNightAt(platform::UtcNow()).SunChangeToWaitFor();
  registration.menuCommand = schedule::DesktopMenuCommandLine();
  registration.startupCommand = schedule::StartupEntryCommand();
  if (registration.changes.nextKeys != 0) registration.shortcut = schedule::ReadNextKeysShortcut();
  return registration;
}

std::vector<std::string> MatchRegistration(const TimedChanges& wanted, const Registration& registered) {
  Failures failures;
  MatchTask(wanted, registered, failures);
  MatchRefitTask(wanted, registered, failures);
  MatchMenu(wanted, registered, failures);
  MatchStartup(wanted, registered, failures);
  MatchShortcut(wanted, registered, failures);
  return failures;
}

// A part chosen but registered for nobody (its copy gone, or never written) is this copy's now.
void FollowMovedProgram() {
  const Registration registered = StoredRegistration();
  const auto orphaned = [](bool chosen, const std::string& command) {
    return chosen && OwnerOf(command).owner == Owner::kNobody;
  };
  Failures failures;
  if (orphaned(registered.changes.minutes > 0, registered.taskCommand))
    MatchTask(registered.changes, registered, failures);
  if (orphaned(registered.changes.perMonitor, registered.refitCommand))
    MatchRefitTask(registered.changes, registered, failures);
  if (orphaned(registered.changes.desktopMenu, registered.menuCommand))
    MatchMenu(registered.changes, registered, failures);
  if (orphaned(registered.changes.runAtLogon, registered.startupCommand))
    MatchStartup(registered.changes, registered, failures);
  if (orphaned(registered.changes.nextKeys != 0, registered.shortcut ? registered.shortcut->command : ""))
    MatchShortcut(registered.changes, registered, failures);
  if (!failures.empty()) RecordTimerRun("failed: " + Joined(failures));
}

bool TaskChosen() { return Wanted(StoredRegistration().changes); }

// Only this copy's task, or one of a copy that is gone, is registered again; one that waited for
// the sun alone goes when the sun no longer counts.
void FollowTheSun() {
  const Registration registered = StoredRegistration();
  if (registered.sunChange == SunChangeText(registered.changes) ||
      OwnerOf(registered.taskCommand).owner == Owner::kOtherCopy)
    return;
  Failures failures;
  MatchTask(registered.changes, registered, failures);
  if (!failures.empty()) RecordTimerRun("failed: " + Joined(failures));
}

void RemoveUnchosenTask() {
  const Registration registered = StoredRegistration();
  Failures failures;
  MatchTask({.minutes = 0, .sunChange = {}, .onBattery = registered.changes.onBattery}, registered, failures);
  RecordTimerRun("skipped: no interval chosen" + (failures.empty() ? "" : " (" + Joined(failures) + ")"));
}

bool UnregisterThisProgram() {
  Registration registered = StoredRegistration();
  if (!registered.shortcut) registered.shortcut = schedule::ReadNextKeysShortcut();
  Failures failures;
  std::string leftBy;
  const auto ownedElsewhere = [&leftBy](const std::string& command) {
    const std::optional<std::string> program = OtherProgramOf(command);
    if (program && leftBy.empty()) leftBy = *program;
    return program.has_value();
  };
  const auto attempt = [&failures](const std::function<void()>& step) {
    try {
      step();
    } catch (const platform::Exception& error) {
      failures.push_back(error.Message());
    }
  };
  const auto storeOff = [&attempt](const char* name) {
    attempt([name] { OpenSettingsStore().WriteBool(stored::kSection, name, false); });
  };
  if (!ownedElsewhere(registered.taskCommand))
    MatchTask({.minutes = 0, .sunChange = {}, .onBattery = registered.changes.onBattery}, registered, failures);
  if (!ownedElsewhere(registered.refitCommand)) MatchRefitTask({}, registered, failures);
  if (!ownedElsewhere(registered.menuCommand)) {
    MatchMenu({}, registered, failures);
    storeOff(stored::kDesktopMenu);
  }
  // The entry goes with the program, whoever made it.
  if (!ownedElsewhere(registered.startupCommand)) {
    if (!registered.startupCommand.empty()) attempt(schedule::RemoveStartupEntry);
    storeOff(stored::kRunAtLogon);
  }
  if (registered.shortcut && !ownedElsewhere(registered.shortcut->command)) MatchShortcut({}, registered, failures);
  if (!failures.empty()) RecordTimerRun("failed: " + Joined(failures));
  else if (!leftBy.empty()) RecordTimerRun("left: registered by \"" + leftBy + "\"");
  return failures.empty();
}

void RecordTimerRun(const std::string& outcome) noexcept {
  try {
    OpenSettingsStore().WriteString(stored::kSection, stored::kLastTimerRun,
                                    platform::LocalTimeStamp() + " " + outcome);
  } catch (const std::exception&) {
  }
}

}  // namespace settings
