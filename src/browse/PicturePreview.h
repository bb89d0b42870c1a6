// Loading a picture file into an image control by its kind, and what the wallpaper needs to
// know of the picture held.
#pragma once

#include <memory>
#include <string>

#include "pictures/Bitmap.h"
#include "ui/Image.h"

namespace browse {

// Replaces the preview's picture with the file's; on any error the preview keeps its picture.
// An unknown extension or unreadable content fails as an invalid picture (pictures::EInvalidGraphic).
void LoadPicture(ui::TImage& preview, const std::string& path);

// The preview's picture when it is a bitmap, the only kind that can be saved; none else. It stays
// as it is while it is held, whatever the preview shows next.
std::shared_ptr<const pictures::TBitmap> PreviewBitmap(const ui::TImage& preview);

}  // namespace browse
