// What says whether it is day or night, as the user chooses it: nothing (off), the sun where the
// user is (a latitude and a longitude in decimal degrees), or Windows' light and dark mode. Stored
// as text values ("DayNight": "off", "sun" or "theme"; "Latitude", "Longitude" with a point). A
// stored value the program does not read counts as off for the run, and says why. Needs no
// Windows.
#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "schedule/SunTimes.h"

namespace settings {

enum class DayNightSource { kOff, kSun, kTheme };

struct DayNightChoice {
  DayNightSource source = DayNightSource::kOff;
  schedule::Place place;  // with the sun
};

// The stored values as the rotation takes them; off, with `why`, when one of them cannot be taken.
DayNightChoice DayNightOfStored(std::string_view source, std::string_view latitude, std::string_view longitude,
                                std::string& why);
const char* StoredTextOf(DayNightSource source);

// Degrees as the user types them: a sign, digits, and the user's decimal separator or a point;
// none for other text or beyond `limit` either way (90 for a latitude, 180 for a longitude).
std::optional<double> ParseDegrees(std::string_view text, char decimalSeparator, double limit);
// As stored and as the dialog shows it again: a point, no more decimals than it has (six at most).
std::string DegreesText(double degrees, char decimalSeparator = '.');

// A clock time of the user's, for the dialog's line.
struct ClockTime {
  int hour, minute;
};
// "Sunrise 08:05, sunset 15:12"; "The sun does not rise today", "The sun does not set today",
// and for a day with only one of them, that one.
std::string SunLine(const std::optional<ClockTime>& sunrise, const std::optional<ClockTime>& sunset, bool upAtNoon);

}  // namespace settings
