#include "settings/TimerRegistration.h"

#include <windows.h>

#include <exception>

#include "platform/Format.h"
#include "platform/TaskScheduler.h"
#include "schedule/ChangeIntervals.h"
#include "schedule/DesktopMenuCommand.h"
#include "schedule/PictureChangeTask.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"

namespace settings {
namespace {

void StoreNoTask(platform::RegistryStore& store) {
  store.WriteInteger(stored::kSection, stored::kChangeEvery, 0);
  store.DeleteValue(stored::kSection, stored::kTimerCommand);
}

void RegisterTask(platform::RegistryStore& store, int minutes, bool onBattery) {
  const std::string command = schedule::RegisterPictureChangeTask(minutes, onBattery);
  store.WriteInteger(stored::kSection, stored::kChangeEvery, minutes);
  store.WriteString(stored::kSection, stored::kTimerCommand, command);
}

}  // namespace

void ApplyTimerOptions(int changeEvery, bool onBattery, bool desktopMenu) {
  platform::RegistryStore store = OpenSettingsStore();
  if (desktopMenu)
    schedule::AddDesktopMenuCommand();
  else
    schedule::RemoveDesktopMenuCommand();
  if (const int minutes = schedule::MinutesOfInterval(changeEvery); minutes > 0) {
    try {
      RegisterTask(store, minutes, onBattery);
    } catch (const platform::ETaskSchedulerError&) {
      try {
        schedule::DeletePictureChangeTask();  // an older task must not go on as if registered
      } catch (const platform::ETaskSchedulerError&) {
      }
      StoreNoTask(store);
      throw;
    }
  } else if (store.ReadString(stored::kSection, stored::kTimerCommand, "").empty()) {
    StoreNoTask(store);  // nothing registered: the Task Scheduler is not asked
  } else {
    schedule::DeletePictureChangeTask();
    StoreNoTask(store);
  }
}

void FollowMovedProgram() {
  try {
    platform::RegistryStore store = OpenSettingsStore();
    const int minutes = schedule::MinutesOfInterval(
        schedule::IntervalIndexOfStored(store.ReadString(stored::kSection, stored::kChangeEvery, "0")));
    if (minutes > 0 && store.ReadString(stored::kSection, stored::kTimerCommand, "") != schedule::OwnTimedRunCommand())
      RegisterTask(store, minutes, store.ReadBool(stored::kSection, stored::kOnBattery, true));
    if (store.ReadBool(stored::kSection, stored::kDesktopMenu, false) &&
        schedule::DesktopMenuCommandLine() != schedule::OwnNextPictureCommand())
      schedule::AddDesktopMenuCommand();
  } catch (const std::exception& error) {
    RecordTimerRun(std::string("failed: ") + error.what());
  }
}

void UnregisterTimedChanges() {
  std::exception_ptr firstError;
  const auto attempt = [&firstError](auto&& step) {
    try {
      step();
    } catch (const std::exception&) {
      if (!firstError) firstError = std::current_exception();
    }
  };
  platform::RegistryStore store = OpenSettingsStore();
  attempt([] { schedule::DeletePictureChangeTask(); });
  attempt([] { schedule::RemoveDesktopMenuCommand(); });
  attempt([&store] { StoreNoTask(store); });
  attempt([&store] { store.WriteBool(stored::kSection, stored::kDesktopMenu, false); });
  if (firstError) std::rethrow_exception(firstError);
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
