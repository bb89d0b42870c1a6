// Today's date as the user writes it.
#pragma once

#include <string>

namespace platform {

// The local date in the user's short date format, without the time.
std::string TodayShortDate();

}  // namespace platform
