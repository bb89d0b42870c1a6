// A change of the wallpaper to the rotation's pictures, in the two phases of "Set as wallpaper",
// what every change keeps of what it set, and the pictures of a change of the history again.
#pragma once

#include <string>

#include "pictures/DecodeHelper.h"
#include "platform/WallpaperStyle.h"
#include "rotation/Exclusions.h"
#include "rotation/History.h"
#include "rotation/NextPictures.h"
#include "wallpaper/WallpaperChange.h"

namespace rotation {

// Phase 1 for the rotation's pictures (there is one at least): the one picture (a bitmap file
// written as the preview holds it, as "Set as wallpaper" writes it), or each monitor's in a
// wallpaper composed of them. Fails as loading the bitmap fails.
void PrepareChange(wallpaper::TWallpaperChange& change, const NextPictures& next);
// Phase 2 of any change; then what each monitor shows is kept, to compose again when one of them
// changes. What it showed, for the history.
Change ApplyChange(wallpaper::TWallpaperChange& change, platform::TWallpaperStyle style, pictures::HelperWait wait);
// The change as the newest of the history; why it could not be kept.
std::string RecordChange(const Change& change);

// Whether a change of the history can be shown again: one of its pictures is there and not
// excluded.
bool CanShowAgain(const Change& change, const TExclusions& excluded);
// Its pictures for the monitors as the options and the monitors are now: each monitor's own, or
// the one for the whole desktop; a picture gone or excluded since gives way to the monitor's
// present one.
NextPictures PicturesAgain(const Change& change, const TExclusions& excluded);

}  // namespace rotation
