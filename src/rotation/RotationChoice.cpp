#include "rotation/RotationChoice.h"

#include <algorithm>

namespace rotation {

int RotationFolder(int storedFolder, int folderCount, const std::function<bool(int)>& fits) {
  const int folder = storedFolder < 0 || storedFolder >= folderCount ? 0 : storedFolder;
  for (int step = 0; fits && step < folderCount; ++step)
    if (fits((folder + step) % folderCount)) return (folder + step) % folderCount;
  return folder;
}

RotationChoice ChooseRotationPicture(int picture, int folder, int pictureCount) {
  picture = std::max(picture, 0);
  if (picture < pictureCount - 1) return {picture, folder};
  return {0, folder + 1};
}

int PreferredPicture(int chosen, int pictureCount, const std::function<bool(int)>& taken,
                     const std::function<std::optional<pictures::PictureSize>(int)>& size, const FitRules& rules) {
  // The rule gives 0 ... m - 2, or 0 alone.
  const int candidates = std::max(pictureCount - 1, 1);
  const auto picture = [&](std::size_t step) { return (chosen + static_cast<int>(step)) % candidates; };
  const std::optional<std::size_t> step =
      BestFitting({.count = static_cast<std::size_t>(candidates),
                   .available = [&](std::size_t i) { return !taken(picture(i)); },
                   .size = [&](std::size_t i) { return size(picture(i)); }},
                  rules);
  return step ? picture(*step) : chosen;
}

}  // namespace rotation
