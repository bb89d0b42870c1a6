#include "rotation/RotationRandom.h"

namespace rotation {

std::uint32_t RotationRandom::SeedFromTimeOfDay(int hour, int minute, int second, int millisecond) {
  return static_cast<std::uint32_t>(((hour * 60 + minute) * 60 + second) * 1000 + millisecond);
}

std::uint32_t RotationRandom::Draw(std::uint32_t range) {
  seed_ = seed_ * 134775813u + 1u;
  return static_cast<std::uint32_t>((static_cast<std::uint64_t>(seed_) * range) >> 32);
}

}  // namespace rotation
