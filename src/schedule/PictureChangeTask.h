// The current user's task that changes the picture on an interval, in the Task Scheduler's root
// folder under a name of its own per user ("Vantoria picture change (<SID>)"). Each call fails
// with platform::ETaskSchedulerError.
#pragma once

#include <string>

namespace schedule {

// This program's timed-run command line, as the task runs it.
std::string OwnTimedRunCommand();
// Registers or updates the task for this program, first run at the next whole minute.
void RegisterPictureChangeTask(int minutes, bool onBattery);
// A missing task is no failure.
void DeletePictureChangeTask();
bool PictureChangeTaskExists();

}  // namespace schedule
