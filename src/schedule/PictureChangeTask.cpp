#include "schedule/PictureChangeTask.h"

#include <windows.h>

#include "platform/Module.h"
#include "platform/TaskScheduler.h"
#include "platform/UserSid.h"
#include "schedule/ProgramCommand.h"
#include "schedule/TaskDefinition.h"

namespace schedule {
namespace {

std::string TaskName() { return "Vantoria picture change (" + platform::CurrentUserSid() + ")"; }

LocalMinute NextWholeMinute() {
  SYSTEMTIME now;
  ::GetLocalTime(&now);
  now.wSecond = 0;
  now.wMilliseconds = 0;
  FILETIME time;
  ::SystemTimeToFileTime(&now, &time);
  ULARGE_INTEGER ticks{.u = {time.dwLowDateTime, time.dwHighDateTime}};
  ticks.QuadPart += 60ULL * 10'000'000ULL;
  time = {ticks.u.LowPart, ticks.u.HighPart};
  SYSTEMTIME next;
  ::FileTimeToSystemTime(&time, &next);
  return {next.wYear, next.wMonth, next.wDay, next.wHour, next.wMinute};
}

}  // namespace

std::string OwnTimedRunCommand() { return ProgramCommand(platform::ExecutablePath(), kTimedRunSwitch); }

void RegisterPictureChangeTask(int minutes, bool onBattery, const std::string& once) {
  platform::RegisterTask(TaskName(), TaskDefinitionXml({.minutes = minutes,
                                                        .onBattery = onBattery,
                                                        .program = platform::ExecutablePath(),
                                                        .userSid = platform::CurrentUserSid(),
                                                        .start = NextWholeMinute(),
                                                        .once = once}));
}

void DeletePictureChangeTask() { platform::DeleteTask(TaskName()); }

bool PictureChangeTaskExists() { return platform::TaskExists(TaskName()); }

}  // namespace schedule
