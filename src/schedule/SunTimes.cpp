#include "schedule/SunTimes.h"

#include <cmath>
#include <numbers>

namespace schedule {
namespace {

constexpr double kHorizon = -0.833;  // degrees: refraction and the sun's radius
constexpr UtcSeconds kDay = 86400;
constexpr UtcSeconds kHalfDay = kDay / 2;

double Radians(double degrees) { return degrees * std::numbers::pi / 180; }
double Degrees(double radians) { return radians * 180 / std::numbers::pi; }

struct SunPlace {
  double declination;    // degrees
  double equationOfTime;  // minutes
};

// The sun's declination and the equation of time at a moment (Meeus' low-precision formulas).
SunPlace SunAt(UtcSeconds moment) {
  const double centuries = (static_cast<double>(moment) / kDay + 2440587.5 - 2451545.0) / 36525;
  const double meanLongitude = std::fmod(280.46646 + centuries * (36000.76983 + centuries * 0.0003032), 360.0);
  const double meanAnomaly = 357.52911 + centuries * (35999.05029 - 0.0001537 * centuries);
  const double eccentricity = 0.016708634 - centuries * (0.000042037 + 0.0000001267 * centuries);
  const double anomaly = Radians(meanAnomaly);
  const double centre = std::sin(anomaly) * (1.914602 - centuries * (0.004817 + 0.000014 * centuries)) +
                        std::sin(2 * anomaly) * (0.019993 - 0.000101 * centuries) + std::sin(3 * anomaly) * 0.000289;
  const double node = Radians(125.04 - 1934.136 * centuries);
  const double apparentLongitude = meanLongitude + centre - 0.00569 - 0.00478 * std::sin(node);
  const double meanObliquity =
      23 + (26 + (21.448 - centuries * (46.815 + centuries * (0.00059 - centuries * 0.001813))) / 60) / 60;
  const double obliquity = Radians(meanObliquity + 0.00256 * std::cos(node));
  const double y = std::pow(std::tan(obliquity / 2), 2);
  const double longitude = Radians(meanLongitude);
  const double equationOfTime =
      4 * Degrees(y * std::sin(2 * longitude) - 2 * eccentricity * std::sin(anomaly) +
                  4 * eccentricity * y * std::sin(anomaly) * std::cos(2 * longitude) -
                  0.5 * y * y * std::sin(4 * longitude) - 1.25 * eccentricity * eccentricity * std::sin(2 * anomaly));
  return {Degrees(std::asin(std::sin(obliquity) * std::sin(Radians(apparentLongitude)))), equationOfTime};
}

// The height of the sun's centre above the horizon, in degrees, without refraction.
double Altitude(UtcSeconds moment, const Place& place) {
  const SunPlace sun = SunAt(moment);
  const double minutesOfDay = static_cast<double>(((moment % kDay) + kDay) % kDay) / 60;
  const double hourAngle = Radians((minutesOfDay + sun.equationOfTime + 4 * place.longitude) / 4 - 180);
  const double latitude = Radians(place.latitude), declination = Radians(sun.declination);
  const double height = std::sin(latitude) * std::sin(declination) +
                        std::cos(latitude) * std::cos(declination) * std::cos(hourAngle);
  return Degrees(std::asin(std::fmax(-1.0, std::fmin(1.0, height))));
}

bool Up(UtcSeconds moment, const Place& place) { return Altitude(moment, place) > kHorizon; }

// The place's solar noon on a date: the sun is highest then.
UtcSeconds SolarNoon(std::int64_t daysSince1970, const Place& place) {
  const UtcSeconds midnight = daysSince1970 * kDay;
  const double minutes = 720 - 4 * place.longitude - SunAt(midnight + kHalfDay).equationOfTime;
  return midnight + static_cast<UtcSeconds>(std::llround(minutes * 60));
}

// The moment between `from` and `to` at which the sun crosses the horizon, to the second; the sun
// is up at one end and down at the other, and crosses once (half a day at most apart).
UtcSeconds Crossing(UtcSeconds from, UtcSeconds to, const Place& place) {
  const bool upFirst = Up(from, place);
  while (to - from > 1) {
    const UtcSeconds middle = from + (to - from) / 2;
    (Up(middle, place) == upFirst ? from : to) = middle;
  }
  return to;
}

// The date a moment falls on at the place, by its mean solar time.
std::int64_t DateAt(UtcSeconds moment, const Place& place) {
  const double local = static_cast<double>(moment) + place.longitude * 240;
  return static_cast<std::int64_t>(std::floor(local / kDay));
}

}  // namespace

std::int64_t DaysSince1970(int year, int month, int day) {
  year -= month <= 2;
  const std::int64_t era = (year >= 0 ? year : year - 399) / 400;
  const int yearOfEra = static_cast<int>(year - era * 400);
  const int dayOfYear = (153 * (month + (month > 2 ? -3 : 9)) + 2) / 5 + day - 1;
  return era * 146097 + yearOfEra * 365 + yearOfEra / 4 - yearOfEra / 100 + dayOfYear - 719468;
}

SunDay SunOn(std::int64_t daysSince1970, const Place& place) {
  const UtcSeconds noon = SolarNoon(daysSince1970, place);
  SunDay day;
  day.upAtNoon = Up(noon, place);
  if (!day.upAtNoon) return day;
  if (!Up(noon - kHalfDay, place)) day.sunrise = Crossing(noon - kHalfDay, noon, place);
  if (!Up(noon + kHalfDay, place)) day.sunset = Crossing(noon, noon + kHalfDay, place);
  return day;
}

Phase PhaseAt(UtcSeconds moment, const Place& place) { return Up(moment, place) ? Phase::kDay : Phase::kNight; }

std::optional<PhaseChange> NextPhaseChange(UtcSeconds moment, const Place& place) {
  const std::int64_t today = DateAt(moment, place);
  for (std::int64_t date = today - 1; date <= today + 366; ++date) {
    const SunDay day = SunOn(date, place);
    if (day.sunrise && *day.sunrise > moment) return PhaseChange{*day.sunrise, Phase::kDay};
    if (day.sunset && *day.sunset > moment) return PhaseChange{*day.sunset, Phase::kNight};
  }
  return std::nullopt;
}

}  // namespace schedule
