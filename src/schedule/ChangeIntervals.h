// The intervals the picture can change at, as the options offer them and as they are stored
// (minutes as text; "0" for at log-on only).
#pragma once

#include <span>
#include <string>
#include <string_view>

namespace schedule {

struct ChangeInterval {
  int minutes;  // 0: at log-on only
  const char* caption;
};

std::span<const ChangeInterval> ChangeIntervals();

// The list's index of a stored text; anything that is not one of the list's texts is at log-on only.
int IntervalIndexOfStored(std::string_view text);
// The minutes of the list's item `index`; 0 outside the list.
int MinutesOfInterval(int index);

}  // namespace schedule
