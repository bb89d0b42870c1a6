// Today's date as the user writes it, and the time as the program records it.
#pragma once

#include <string>

namespace platform {

// The local date in the user's short date format, without the time.
std::string TodayShortDate();
// The local date and time, "2026-12-08 14:05:00", whatever the user's formats.
std::string LocalTimeStamp();

}  // namespace platform
