// Which folder and picture the start-up rotation uses, and where the next run starts.
//
// In order, the pictures 0 ... m - 2 of a folder are used in turn; when the stored picture index
// reaches m - 1, picture 0 is used once more and the folder moves on, so the next folder starts
// at its picture 1. Stored counters depend on this rule, so it stays as it is.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>

#include "rotation/PictureFit.h"

namespace rotation {

// The folder to use: the stored one, or the first when it is past the end of the list or was
// stored negative (a value edited by hand would otherwise stop every later run); of the folders
// that `fit` (the day's or the night's), the first from there on, going round.
int RotationFolder(int storedFolder, int folderCount, const std::function<bool(int)>& fits = {});

struct RotationChoice {
  int picture;  // index in the folder's picture list
  int folder;   // the folder for the next run; may be one past the last
};

// `picture` is the stored index, or the random draw; a negative stored index starts the folder
// from its first picture.
RotationChoice ChooseRotationPicture(int picture, int folder, int pictureCount);

// On several monitors, or with pictures passed over for their size or shape, the picture a monitor
// takes instead of `chosen`: the one `rules` give, from `chosen` on, going round the pictures the
// rule above can give, that no monitor shows (is `taken`). `chosen` when all are taken.
int PreferredPicture(int chosen, int pictureCount, const std::function<bool(int)>& taken,
                     const std::function<std::optional<pictures::PictureSize>(int)>& size, const FitRules& rules);

}  // namespace rotation
