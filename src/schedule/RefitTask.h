// The current user's task that lays the composed wallpaper out again for the monitors at log-on
// and when the session is unlocked (a laptop docked or undocked meanwhile), in the Task
// Scheduler's root folder under a name of its own per user ("Vantoria monitors (<SID>)"). It
// exists while a picture on each monitor is chosen. Each call fails with
// platform::ETaskSchedulerError.
#pragma once

#include <string>

namespace schedule {

// This program's command line, as the task runs it.
std::string OwnRefitCommand();
void RegisterRefitTask();
// A missing task is no failure.
void DeleteRefitTask();
bool RefitTaskExists();

}  // namespace schedule
