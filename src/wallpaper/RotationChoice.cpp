#include "wallpaper/RotationChoice.h"

#include <algorithm>

namespace wallpaper {

int RotationFolder(int storedFolder, int folderCount) {
  return storedFolder < 0 || storedFolder >= folderCount ? 0 : storedFolder;
}

RotationChoice ChooseRotationPicture(int picture, int folder, int pictureCount) {
  picture = std::max(picture, 0);
  if (picture < pictureCount - 1) return {picture, folder};
  return {0, folder + 1};
}

}  // namespace wallpaper
