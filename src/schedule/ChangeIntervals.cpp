#include "schedule/ChangeIntervals.h"

#include <array>

namespace schedule {
namespace {

constexpr std::array<ChangeInterval, 11> kIntervals{{
    {0, "At log-on only"},
    {1, "Every minute"},
    {5, "Every 5 minutes"},
    {10, "Every 10 minutes"},
    {15, "Every 15 minutes"},
    {30, "Every 30 minutes"},
    {60, "Every hour"},
    {180, "Every 3 hours"},
    {360, "Every 6 hours"},
    {720, "Every 12 hours"},
    {1440, "Every day"},
}};

}  // namespace

std::span<const ChangeInterval> ChangeIntervals() { return kIntervals; }

int IntervalIndexOfStored(std::string_view text) {
  for (std::size_t i = 0; i < kIntervals.size(); ++i) {
    if (text == std::to_string(kIntervals[i].minutes)) return static_cast<int>(i);
  }
  return 0;
}

int MinutesOfInterval(int index) {
  return index >= 0 && index < static_cast<int>(kIntervals.size()) ? kIntervals[static_cast<std::size_t>(index)].minutes
                                                                    : 0;
}

}  // namespace schedule
