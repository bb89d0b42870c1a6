// The Task Scheduler's definitions of the program's two tasks: the one that changes the picture on
// an interval, a silent run with "/timer", and the one that lays the wallpaper out again for the
// monitors at log-on and when the session is unlocked, a silent run with "/refit". Both run for
// the current user while the user is logged on, in the program's folder.
#pragma once

#include <string>

namespace schedule {

inline constexpr char kTimedRunSwitch[] = "/timer";
inline constexpr char kRefitSwitch[] = "/refit";

struct LocalMinute {
  int year, month, day, hour, minute;
};

struct PictureChangeTaskRequest {
  int minutes;          // the interval: 1 ... 1440; 0: none
  bool onBattery;       // runs on battery power too
  std::string program;  // the executable's full path
  std::string userSid;  // the user it runs for
  LocalMinute start;    // the first run, local time
  // A run once at a moment in UTC, "2026-12-10T07:05:00Z" (the next sunrise or sunset), whatever
  // the clocks do meanwhile; empty: none.
  std::string once;
};

// "PT<n>M" under an hour, "PT<n>H" in whole hours under a day, "P1D" for a day.
std::string RepetitionInterval(int minutes);
// The task's XML, repeating indefinitely from the start, and once more at `once`; every text
// escaped.
std::string TaskDefinitionXml(const PictureChangeTaskRequest& request);
// The monitors' task: at the user's log-on and at the unlock of the user's session, on battery too.
std::string RefitTaskXml(const std::string& program, const std::string& userSid);

}  // namespace schedule
