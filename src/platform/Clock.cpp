#include "platform/Clock.h"

#include <windows.h>

#include "platform/Format.h"

namespace platform {
namespace {

// 100-nanosecond intervals from 1601 to 1970.
constexpr std::int64_t kEpochIntervals = 116444736000000000;

SYSTEMTIME UtcSystemTime(std::int64_t utcSeconds) {
  const auto intervals = static_cast<std::uint64_t>(utcSeconds * 10000000 + kEpochIntervals);
  const FILETIME time{static_cast<DWORD>(intervals), static_cast<DWORD>(intervals >> 32)};
  SYSTEMTIME system = {};
  ::FileTimeToSystemTime(&time, &system);
  return system;
}

}  // namespace

std::int64_t UtcNow() {
  FILETIME now;
  ::GetSystemTimeAsFileTime(&now);
  const std::int64_t intervals = static_cast<std::int64_t>(std::uint64_t{now.dwHighDateTime} << 32 | now.dwLowDateTime);
  return (intervals - kEpochIntervals) / 10000000;
}

LocalTime LocalTimeOf(std::int64_t utcSeconds) {
  const SYSTEMTIME utc = UtcSystemTime(utcSeconds);
  SYSTEMTIME local = utc;
  ::SystemTimeToTzSpecificLocalTime(nullptr, &utc, &local);
  return {local.wYear, local.wMonth, local.wDay, local.wHour, local.wMinute};
}

std::string LocalMinuteText(std::int64_t utcSeconds) {
  const LocalTime time = LocalTimeOf(utcSeconds);
  return Format("%04d-%02d-%02d %02d:%02d", time.year, time.month, time.day, time.hour, time.minute);
}

std::string UtcBoundaryText(std::int64_t utcSeconds) {
  const SYSTEMTIME utc = UtcSystemTime(utcSeconds);
  return Format("%04u-%02u-%02uT%02u:%02u:%02uZ", utc.wYear, utc.wMonth, utc.wDay, utc.wHour, utc.wMinute, utc.wSecond);
}

char DecimalSeparator() {
  char separator[4] = {};
  return ::GetLocaleInfoA(LOCALE_USER_DEFAULT, LOCALE_SDECIMAL, separator, sizeof separator) > 1 ? separator[0] : '.';
}

}  // namespace platform
