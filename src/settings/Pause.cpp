#include "settings/Pause.h"

#include <charconv>
#include <optional>

#include "platform/Format.h"
#include "schedule/SunTimes.h"

namespace settings {
namespace {

constexpr int kMinutesPerDay = 24 * 60;

struct Reader {
  std::string_view text;

  std::optional<int> Number(size_t digits, char after) {
    int value = 0;
    if (text.size() < digits) return std::nullopt;
    const auto [end, error] = std::from_chars(text.data(), text.data() + digits, value);
    if (error != std::errc() || end != text.data() + digits) return std::nullopt;
    text.remove_prefix(digits);
    if (after != '\0') {
      if (text.empty() || text.front() != after) return std::nullopt;
      text.remove_prefix(1);
    }
    return value;
  }
};

// "2026-12-09 14:02", as platform::LocalMinuteText writes it; none for anything else.
std::optional<platform::LocalTime> ParseLocalMinute(std::string_view text) {
  Reader reader{text};
  const auto year = reader.Number(4, '-'), month = reader.Number(2, '-'), day = reader.Number(2, ' ');
  const auto hour = reader.Number(2, ':'), minute = reader.Number(2, '\0');
  if (!year || !month || !day || !hour || !minute || !reader.text.empty()) return std::nullopt;
  if (*month < 1 || *month > 12 || *day < 1 || *day > 31 || *hour > 23 || *minute > 59) return std::nullopt;
  return platform::LocalTime{*year, *month, *day, *hour, *minute};
}

std::int64_t Day(const platform::LocalTime& time) { return schedule::DaysSince1970(time.year, time.month, time.day); }

std::int64_t Minute(const platform::LocalTime& time) {
  return Day(time) * kMinutesPerDay + time.hour * 60 + time.minute;
}

}  // namespace

ResumeAfter ResumeAfterOfStored(std::string_view text) {
  if (text == "hour") return ResumeAfter::kAnHour;
  if (text == "day") return ResumeAfter::kTheNextDay;
  return ResumeAfter::kNever;
}

const char* StoredTextOf(ResumeAfter resumeAfter) {
  switch (resumeAfter) {
    case ResumeAfter::kAnHour: return "hour";
    case ResumeAfter::kTheNextDay: return "day";
    case ResumeAfter::kNever: break;
  }
  return "never";
}

bool PauseEnded(std::string_view pausedSince, const platform::LocalTime& now, ResumeAfter resumeAfter) {
  if (resumeAfter == ResumeAfter::kNever) return false;
  const std::optional<platform::LocalTime> since = ParseLocalMinute(pausedSince);
  if (!since) return true;
  if (resumeAfter == ResumeAfter::kAnHour) return Minute(now) - Minute(*since) >= 60;
  return Day(now) > Day(*since);
}

std::string PausedCaption(std::string_view pausedSince, const platform::LocalTime& now) {
  const std::optional<platform::LocalTime> since = ParseLocalMinute(pausedSince);
  if (!since) return "changes paused";
  const std::string clock = platform::Format("%02d:%02d", since->hour, since->minute);
  return "changes paused since " + (Day(*since) == Day(now) ? clock : std::string(pausedSince));
}

}  // namespace settings
