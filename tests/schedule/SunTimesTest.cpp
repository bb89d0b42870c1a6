#include "schedule/SunTimes.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <tuple>

namespace schedule {
namespace {

constexpr std::int64_t kDay = 86400;

struct AlmanacDay {
  const char* what;
  Place place;
  int year, month, day;
  UtcSeconds sunrise, sunset;  // 0: none that day
};

// An ephemeris library's times (PyEphem 4.1, the sun's centre at -0:50, no refraction model of
// its own), to the second; the program's within a minute up to 65 degrees, five minutes beyond.
TEST(SunTimesTest, SunriseAndSunsetAreAnAlmanacsWithinAMinuteAndPolarDaysHaveNone) {
  for (const AlmanacDay& row : std::initializer_list<AlmanacDay>{
           {"equinox at the equator", {0, 0}, 2026, 3, 20, 1773986651, 1774030241},
           {"solstice at the equator", {0, 0}, 2026, 6, 21, 1782021488, 1782065130},
           {"equinox at 40 north", {40, -3.7}, 2026, 9, 23, 1790143395, 1790187026},
           {"winter solstice at 40 north, west of Greenwich", {40, -74}, 2026, 12, 21, 1797855260, 1797888840},
           {"summer at 40 south", {-40, 175}, 2026, 12, 21, 1797785236, 1797839304},
           {"winter at 40 south", {-40, -65}, 2026, 6, 21, 1782042125, 1782075698},
           {"summer solstice at 60 north", {60.17, 24.94}, 2026, 6, 21, 1782003242, 1782071403},
           {"winter solstice at 60 north", {60.17, 24.94}, 2026, 12, 21, 1797837830, 1797858762},
           {"east of the date line", {-17, 179.5}, 2026, 3, 1, 1772301682, 1772346429},
           {"west of the date line", {-14, -179.5}, 2026, 3, 1, 1772387963, 1772432448},
           {"just west of Greenwich", {51.48, -0.5}, 2026, 12, 9, 1796802910, 1796831595},
           {"65 north in spring", {65, 25.5}, 2026, 5, 1, 1777599857, 1777661304},
           {"72 north in spring", {72, 25}, 2026, 4, 10, 1775788078, 1775845087},
           {"polar day at 78 north", {78.22, 15.65}, 2026, 6, 21, 0, 0},
           {"polar night at 78 north", {78.22, 15.65}, 2026, 12, 21, 0, 0},
           {"the last day without a sunrise at 70 north", {70, 23}, 2026, 1, 16, 0, 0},
           {"the first day with a sunrise at 70 north", {70, 23}, 2026, 1, 17, 1768644629, 1768647985},
           {"the last day with a sunrise at 70 north", {70, 23}, 2026, 5, 16, 1778885470, 0},
           {"the first day of the polar day at 70 north", {70, 23}, 2026, 5, 17, 0, 0},
       }) {
    const SunDay day = SunOn(DaysSince1970(row.year, row.month, row.day), row.place);
    const UtcSeconds tolerance = std::abs(row.place.latitude) <= 65 ? 60 : 300;
    const auto near = [&](const std::optional<UtcSeconds>& ours, UtcSeconds almanac) {
      return almanac == 0 ? !ours.has_value() : ours && std::abs(*ours - almanac) <= tolerance;
    };
    EXPECT_TRUE(near(day.sunrise, row.sunrise)) << row.what << ": sunrise " << day.sunrise.value_or(0);
    EXPECT_TRUE(near(day.sunset, row.sunset)) << row.what << ": sunset " << day.sunset.value_or(0);
  }
  EXPECT_EQ(std::tuple(DaysSince1970(1970, 1, 1), DaysSince1970(2000, 3, 1), DaysSince1970(1969, 12, 31),
                       DaysSince1970(2024, 2, 29)),
            std::tuple(0, 11017, -1, 19782));
  EXPECT_EQ(std::tuple(SunOn(DaysSince1970(2026, 6, 21), {78.22, 15.65}).upAtNoon,
                       SunOn(DaysSince1970(2026, 12, 21), {78.22, 15.65}).upAtNoon),
            std::tuple(true, false));
}

// Day from sunrise to sunset; the next change after midnight, across a change of the clocks (the
// moments are the same, whatever the clocks say) and across a polar night or day, from an
// ephemeris library.
TEST(SunTimesTest, ThePhaseTurnsAtSunriseAndSunsetAndTheNextChangeIsFoundAcrossAnyNight) {
  const Place newYork{40, -74};
  const SunDay day = SunOn(DaysSince1970(2026, 12, 21), newYork);
  for (const auto& [moment, phase] : {std::pair{*day.sunrise - 60, Phase::kNight}, {*day.sunrise + 60, Phase::kDay},
                                      {*day.sunset - 60, Phase::kDay}, {*day.sunset + 60, Phase::kNight}})
    EXPECT_EQ(PhaseAt(moment, newYork), phase) << moment - *day.sunrise;
  EXPECT_EQ(PhaseAt(DaysSince1970(2026, 12, 21) * kDay, {78.22, 15.65}), Phase::kNight) << "polar night at noon";
  EXPECT_EQ(PhaseAt(DaysSince1970(2026, 6, 21) * kDay, {78.22, 15.65}), Phase::kDay) << "polar day at midnight";

  for (const auto& [what, place, moment, at, begins] : std::initializer_list<
           std::tuple<const char*, Place, UtcSeconds, UtcSeconds, Phase>>{
           {"after midnight", newYork, DaysSince1970(2026, 12, 22) * kDay + 4 * 3600 + 1800, 1797941690, Phase::kDay},
           {"the night the clocks go forward", {52.52, 13.4}, DaysSince1970(2026, 3, 28) * kDay + 20 * 3600, 1774759685,
            Phase::kDay},
           {"the day before a sunset", newYork, *day.sunrise + 60, *day.sunset, Phase::kNight},
           {"at the very sunrise", newYork, *day.sunrise, *day.sunset, Phase::kNight},
           // Near the polar circle in summer the sun sets just after midnight, on the next date.
           {"a sunset after midnight", {65.73, 0}, DaysSince1970(2026, 6, 22) * kDay + 1,
            DaysSince1970(2026, 6, 22) * kDay + 40, Phase::kNight},
           {"a polar night", {78.22, 15.65}, DaysSince1970(2026, 12, 21) * kDay + 12 * 3600, 1802773266, Phase::kDay},
           {"a polar day", {78.22, 15.65}, DaysSince1970(2026, 6, 21) * kDay + 12 * 3600, 1787610512, Phase::kNight},
       }) {
    const std::optional<PhaseChange> next = NextPhaseChange(moment, place);
    ASSERT_TRUE(next.has_value()) << what;
    EXPECT_LE(std::abs(next->at - at), 300) << what << ": " << next->at;
    EXPECT_EQ(next->begins, begins) << what;
  }
}

}  // namespace
}  // namespace schedule
