// Feeds the rotation's state readers (the state file's and the progress file's) arbitrary bytes:
// what they accept must be written and read back the same.
#include <cstdlib>
#include <string_view>

#include "rotation/RotationState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto state = rotation::ParseRotationState(text);
  if (state && rotation::ParseRotationState(rotation::RotationStateText(*state)) != state) std::abort();
  const auto progress = rotation::ParseDeckProgress(text);
  if (progress && rotation::ParseDeckProgress(rotation::DeckProgressText(*progress)) != progress) std::abort();
  return 0;
}
