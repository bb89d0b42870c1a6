// Day and night at a place, from the date and the place alone (no network, no location service):
// the sun rises and sets when its centre is 0.833 degrees below the horizon (the refraction near
// the horizon and the sun's radius, as almanacs take them), and it is day from sunrise to sunset.
// The sun's place comes from the solar formulas almanacs use (low precision, a few arcseconds):
// within a minute of an almanac's times up to 65 degrees of latitude, within a few beyond. Times
// are seconds since 1970-01-01 00:00 UTC. Needs no Windows.
#pragma once

#include <cstdint>
#include <optional>

namespace schedule {

using UtcSeconds = std::int64_t;

// Degrees, north and east positive.
struct Place {
  double latitude = 0;
  double longitude = 0;
};

enum class Phase { kDay, kNight };

// The sun's rising and setting on a day at a place: the day is the place's own (around its solar
// noon), as an almanac gives it for that date. Near the poles a day may have none of either.
struct SunDay {
  std::optional<UtcSeconds> sunrise;
  std::optional<UtcSeconds> sunset;
  bool upAtNoon = false;  // without a sunrise: above the horizon all day long, or below it
};
// A date, counted in days from 1970-01-01 (the Gregorian calendar).
std::int64_t DaysSince1970(int year, int month, int day);
SunDay SunOn(std::int64_t daysSince1970, const Place& place);

// Day or night at a moment.
Phase PhaseAt(UtcSeconds moment, const Place& place);

// The next sunrise or sunset after `moment`, and the phase it begins; none when there is none
// within a year (a place on a pole's very point).
struct PhaseChange {
  UtcSeconds at;
  Phase begins;
};
std::optional<PhaseChange> NextPhaseChange(UtcSeconds moment, const Place& place);

}  // namespace schedule
