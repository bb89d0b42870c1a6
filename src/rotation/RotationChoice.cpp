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

std::optional<std::size_t> FirstPreferred(std::size_t count, std::size_t lookAhead,
                                          const std::function<bool(std::size_t)>& available,
                                          const std::function<bool(std::size_t)>& suits) {
  for (std::size_t i = 0; i < std::min(count, lookAhead); ++i)
    if (available(i) && suits(i)) return i;
  for (std::size_t i = 0; i < count; ++i)
    if (available(i)) return i;
  return std::nullopt;
}

int PreferredPicture(int chosen, int pictureCount, const std::function<bool(int)>& suits,
                     const std::function<bool(int)>& taken) {
  // The rule gives 0 ... m - 2, or 0 alone.
  const int candidates = std::max(pictureCount - 1, 1);
  const auto picture = [&](std::size_t step) { return (chosen + static_cast<int>(step)) % candidates; };
  const std::optional<std::size_t> step = FirstPreferred(
      static_cast<std::size_t>(candidates), static_cast<std::size_t>(candidates),
      [&](std::size_t i) { return !taken(picture(i)); }, [&](std::size_t i) { return suits(picture(i)); });
  return step ? picture(*step) : chosen;
}

}  // namespace rotation
