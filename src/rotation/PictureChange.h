// A change of the wallpaper to the rotation's pictures, in the two phases of "Set as wallpaper",
// and what every change keeps of what it set.
#pragma once

#include "pictures/DecodeHelper.h"
#include "platform/WallpaperStyle.h"
#include "rotation/NextPictures.h"
#include "wallpaper/WallpaperChange.h"

namespace rotation {

// Phase 1 for the rotation's pictures (there is one at least): the one picture (a bitmap file
// written as the preview holds it, as "Set as wallpaper" writes it), or each monitor's in a
// wallpaper composed of them. Fails as loading the bitmap fails.
void PrepareChange(wallpaper::TWallpaperChange& change, const NextPictures& next);
// Phase 2 of any change; then what each monitor shows is kept, to compose again when one of them
// changes.
void ApplyChange(wallpaper::TWallpaperChange& change, platform::TWallpaperStyle style, pictures::HelperWait wait);

}  // namespace rotation
