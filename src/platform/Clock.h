// Moments as the sun and the Task Scheduler take them (seconds since 1970-01-01 00:00 UTC), and as
// the user reads them: in local time, daylight saving time of that date included.
#pragma once

#include <cstdint>
#include <string>

namespace platform {

std::int64_t UtcNow();

struct LocalTime {
  int year, month, day, hour, minute;
};
LocalTime LocalTimeOf(std::int64_t utcSeconds);
// "2026-12-10 08:05".
std::string LocalMinuteText(std::int64_t utcSeconds);
// "2026-12-10T07:05:00Z", as the Task Scheduler takes a moment in UTC.
std::string UtcBoundaryText(std::int64_t utcSeconds);

// The user's decimal separator.
char DecimalSeparator();

}  // namespace platform
