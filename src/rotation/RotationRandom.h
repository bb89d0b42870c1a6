// The start-up rotation's random numbers: a 32-bit linear congruential generator seeded from
// the time of day, so that each log-on draws differently.
#pragma once

#include <cstdint>

namespace rotation {

class RotationRandom {
 public:
  explicit RotationRandom(std::uint32_t seed) : seed_(seed) {}

  // Milliseconds since midnight (UTC).
  static std::uint32_t SeedFromTimeOfDay(int hour, int minute, int second, int millisecond);

  // A number in 0 ... range - 1; 0 for a range of 0.
  std::uint32_t Draw(std::uint32_t range);

 private:
  std::uint32_t seed_;
};

}  // namespace rotation
