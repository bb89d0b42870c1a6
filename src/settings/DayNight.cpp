#include "settings/DayNight.h"

#include <charconv>
#include <cmath>
#include <cstdio>

#include "platform/Format.h"
#include "platform/ValueText.h"

namespace settings {
namespace {

constexpr double kLatitudeLimit = 90, kLongitudeLimit = 180;

std::string Clock(const ClockTime& time) { return platform::Format("%02d:%02d", time.hour, time.minute); }

}  // namespace

const char* StoredTextOf(DayNightSource source) {
  switch (source) {
    case DayNightSource::kSun: return "sun";
    case DayNightSource::kTheme: return "theme";
    case DayNightSource::kOff: break;
  }
  return "off";
}

DayNightChoice DayNightOfStored(std::string_view source, std::string_view latitude, std::string_view longitude,
                                std::string& why) {
  if (source.empty() || source == "off") return {};
  if (source == "theme") return {DayNightSource::kTheme, {}};
  if (source != "sun") {
    why = "day and night are off: DayNight is \"" + std::string(source) + "\"";
    return {};
  }
  const std::optional<double> north = ParseDegrees(latitude, '.', kLatitudeLimit);
  const std::optional<double> east = ParseDegrees(longitude, '.', kLongitudeLimit);
  if (!north || !east) {
    why = std::string("day and night are off: ") + (!north ? "Latitude" : "Longitude") + " is \"" +
          std::string(!north ? latitude : longitude) + "\"";
    return {};
  }
  return {DayNightSource::kSun, {*north, *east}};
}

// from_chars reads no "+" and no other separator than the point: the text is made so first.
std::optional<double> ParseDegrees(std::string_view text, char decimalSeparator, double limit) {
  text = platform::Trimmed(text, " \t");
  if (text.starts_with('+')) text.remove_prefix(1);
  std::string number(text);
  for (char& c : number)
    if (c == decimalSeparator) c = '.';
  if (number.empty() || number.find_first_not_of("-.0123456789") != std::string::npos) return std::nullopt;
  double degrees = 0;
  const auto [end, error] = std::from_chars(number.data(), number.data() + number.size(), degrees);
  if (error != std::errc() || end != number.data() + number.size() || !std::isfinite(degrees) ||
      std::fabs(degrees) > limit)
    return std::nullopt;
  return degrees;
}

std::string DegreesText(double degrees, char decimalSeparator) {
  char text[32];
  std::snprintf(text, sizeof text, "%.6f", degrees);
  std::string shown = text;
  shown.erase(shown.find_last_not_of('0') + 1);
  if (shown.back() == '.') shown.pop_back();
  if (shown == "-0") shown = "0";
  for (char& c : shown)
    if (c == '.') c = decimalSeparator;
  return shown;
}

std::string SunLine(const std::optional<ClockTime>& sunrise, const std::optional<ClockTime>& sunset, bool upAtNoon) {
  if (sunrise && sunset) return "Sunrise " + Clock(*sunrise) + ", sunset " + Clock(*sunset);
  if (sunrise) return "Sunrise " + Clock(*sunrise) + "; the sun does not set again today";
  if (sunset) return "The sun rose yesterday; sunset " + Clock(*sunset);
  return upAtNoon ? "The sun does not set today" : "The sun does not rise today";
}

}  // namespace settings
