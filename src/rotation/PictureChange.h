// A change of the wallpaper to the rotation's pictures, in the two phases of "Set as wallpaper",
// what every change keeps of what it set, and the pictures of a change of the history again.
#pragma once

#include <string>
#include <vector>

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
// Phase 2 of any change; then the monitors' layout a composed wallpaper was made for is kept, to
// lay it out again when they change. What it showed, for the history.
Change ApplyChange(wallpaper::TWallpaperChange& change, platform::TWallpaperStyle style, pictures::HelperWait wait);

// Whether a change of the history can be shown again: one of its pictures is there and not
// excluded.
bool CanShowAgain(const Change& change, const TExclusions& excluded);
// Its pictures for the monitors as the options and the monitors are now: each monitor's own, or
// the one for the whole desktop; a picture gone or excluded since gives way to what the monitor
// shows `now`, else to the change's first that can be shown.
NextPictures PicturesAgain(const Change& change, const Change* now, const TExclusions& excluded);
// Each monitor's picture when `picture` goes on the monitor `changed`: the others keep what they
// show `now`, and one whose picture is gone or excluded (or unknown) takes `picture` too.
std::vector<std::string> PicturesKeepingTheOthers(const std::vector<wallpaper::Monitor>& monitors,
                                                  const std::string& changed, const std::string& picture,
                                                  const Change* now, const TExclusions& excluded);

}  // namespace rotation
