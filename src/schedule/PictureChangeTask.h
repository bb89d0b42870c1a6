// The current user's task that changes the picture on an interval, and at the next sunrise or
// sunset, in the Task Scheduler's root folder under a name of its own per user ("Vantoria picture
// change (<SID>)"). Each call fails with platform::ETaskSchedulerError.
#pragma once

#include <string>

namespace schedule {

// This program's timed-run command line, as the task runs it.
std::string OwnTimedRunCommand();
// Registers or updates the task for this program: every `minutes` (none for 0) from the next
// whole minute, and once at `once` (a moment in UTC, as schedule::PictureChangeTaskRequest says)
// unless it is empty.
void RegisterPictureChangeTask(int minutes, bool onBattery, const std::string& once);
// A missing task is no failure.
void DeletePictureChangeTask();
bool PictureChangeTaskExists();

}  // namespace schedule
