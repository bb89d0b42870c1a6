// Loading a picture file into an image control by its kind, and what the wallpaper needs to
// know of the picture held.
#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "ui/Image.h"

namespace browse {

// Replaces the preview's picture with the file's; on any error the preview keeps its picture.
// An unknown extension or unreadable content fails as an invalid picture (pictures::EInvalidGraphic).
void LoadPicture(ui::TImage& preview, const std::string& path);

// Only the bitmap kind can be saved.
bool HoldsBitmap(const ui::TImage& preview);
// The preview's bitmap in the bitmap file layout; call only when HoldsBitmap.
std::vector<std::uint8_t> BitmapFileBytes(const ui::TImage& preview);

}  // namespace browse
