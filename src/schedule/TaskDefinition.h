// The Task Scheduler's definition of the task that changes the picture on an interval: a silent
// run of the program with "/timer", for the current user, while the user is logged on.
#pragma once

#include <string>

namespace schedule {

inline constexpr char kTimedRunSwitch[] = "/timer";

struct LocalMinute {
  int year, month, day, hour, minute;
};

struct PictureChangeTaskRequest {
  int minutes;          // the interval: 1 ... 1440
  bool onBattery;       // runs on battery power too
  std::string program;  // the executable's full path
  std::string userSid;  // the user it runs for
  LocalMinute start;    // the first run, local time
};

// "PT<n>M" under an hour, "PT<n>H" in whole hours under a day, "P1D" for a day.
std::string RepetitionInterval(int minutes);
// The task's XML, repeating indefinitely from the start; every text escaped.
std::string TaskDefinitionXml(const PictureChangeTaskRequest& request);

}  // namespace schedule
