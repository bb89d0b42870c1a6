// Feeds the readers of the rotation's own files (the state, its progress and its folders' index,
// the history and the exclusion list, UTF-8 or UTF-16) arbitrary bytes: what they accept must be
// written and read back the same, and a picture added to (taken from) any exclusion list is
// excluded (no longer).
#include <cstdlib>
#include <string>
#include <string_view>

#include "rotation/Exclusions.h"
#include "rotation/FolderIndex.h"
#include "rotation/History.h"
#include "rotation/RotationState.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::string_view text(reinterpret_cast<const char*>(data), size);
  const auto state = rotation::ParseRotationState(text);
  if (state && rotation::ParseRotationState(rotation::RotationStateText(*state)) != state) std::abort();
  const auto progress = rotation::ParseProgressFile(text);
  if (progress && rotation::ParseProgressFile(rotation::ProgressFileText(*progress)) != progress) std::abort();
  const auto index = rotation::ParseFolderIndex(text);
  if (index && rotation::ParseFolderIndex(rotation::FolderIndexText(*index)) != index) std::abort();
  if (const auto history = rotation::ParseHistory(text)) {
    const auto again = rotation::ParseHistory(rotation::HistoryText(*history));
    if (!again || again->Changes() != history->Changes() || again->CurrentIndex() != history->CurrentIndex())
      std::abort();
  }
  constexpr std::string_view kPicture = "C:\\Pictures\\a #1.jpg";
  const std::string exclusions = rotation::ExclusionFileText({data, size});
  if (!rotation::TExclusions(rotation::TextExcluding(exclusions, kPicture)).Excludes(kPicture)) std::abort();
  if (rotation::TExclusions(rotation::TextNotExcluding(exclusions, kPicture)).Excludes(kPicture)) std::abort();
  return 0;
}
