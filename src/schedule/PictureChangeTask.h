// The current user's task that changes the picture on an interval, in the Task Scheduler's root
// folder under a name of its own per user ("Vantoria picture change (<SID>)").
#pragma once

#include <string>

namespace schedule {

// This program's timed-run command line, as the task runs it.
std::string OwnTimedRunCommand();
// Registers or updates the task, first run at the next whole minute; gives the command line it
// runs. Fails with platform::ETaskSchedulerError.
std::string RegisterPictureChangeTask(int minutes, bool onBattery);
void DeletePictureChangeTask();

}  // namespace schedule
