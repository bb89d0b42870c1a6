#include "rotation/RotationChoice.h"

#include <algorithm>

namespace rotation {

int RotationFolder(int storedFolder, int folderCount) {
  return storedFolder < 0 || storedFolder >= folderCount ? 0 : storedFolder;
}

RotationChoice ChooseRotationPicture(int picture, int folder, int pictureCount) {
  picture = std::max(picture, 0);
  if (picture < pictureCount - 1) return {picture, folder};
  return {0, folder + 1};
}

int PreferredPicture(int chosen, int pictureCount, const std::function<bool(int)>& suits,
                     const std::function<bool(int)>& shown) {
  // The rule gives 0 ... m - 2, or 0 alone.
  const int candidates = std::max(pictureCount - 1, 1);
  for (const bool byShape : {true, false}) {
    for (int step = 0; step < candidates; ++step) {
      const int picture = (chosen + step) % candidates;
      if (!shown(picture) && (!byShape || suits(picture))) return picture;
    }
  }
  return chosen;
}

}  // namespace rotation
