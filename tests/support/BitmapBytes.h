// A bitmap as it saves: the bytes its file would hold.
#pragma once

#include <cstdint>
#include <vector>

#include "pictures/Bitmap.h"

namespace testing_support {

inline std::vector<std::uint8_t> SavedBytes(const pictures::TBitmap& bitmap) {
  std::vector<std::uint8_t> bytes;
  bitmap.WriteFile([&](std::span<const std::uint8_t> part) { bytes.insert(bytes.end(), part.begin(), part.end()); });
  return bytes;
}

}  // namespace testing_support
