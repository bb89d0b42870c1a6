#include "rotation/PictureChange.h"

#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/PictureErrors.h"
#include "pictures/PictureFormats.h"
#include "settings/SettingsStore.h"

namespace rotation {

namespace {

// A bitmap file as the preview would hold it, so that the wallpaper is the file's rows as they
// are; none for another kind, or a bitmap the preview would leave empty (the imaging component
// then tries it).
std::shared_ptr<const pictures::TBitmap> BitmapOf(const std::string& picture) {
  std::shared_ptr<ui::TGraphic> kind;
  try {
    kind = pictures::CreatePictureFor(picture);
    if (auto bitmap = std::dynamic_pointer_cast<pictures::TBitmap>(kind)) {
      bitmap->LoadFromFile(picture);
      return bitmap;
    }
  } catch (const pictures::EInvalidGraphic&) {
  }
  return nullptr;
}

}  // namespace

void PrepareChange(wallpaper::TWallpaperChange& change, const NextPictures& next) {
  change.Prepare(next.pictures.front(), next.monitors.empty() ? BitmapOf(next.pictures.front()) : nullptr);
  if (next.monitors.empty()) return;
  std::vector<wallpaper::MonitorPicture> composed;
  for (std::size_t i = 0; i < next.monitors.size() && i < next.pictures.size(); ++i)
    composed.push_back({next.monitors[i], next.pictures[i]});
  change.PrepareComposed(std::move(composed));
}

void ApplyChange(wallpaper::TWallpaperChange& change, platform::TWallpaperStyle style, pictures::HelperWait wait) {
  change.Apply(style, wait);
  for (const wallpaper::MonitorPicture& shown : change.ComposedPictures())
    settings::StoreMonitorPicture(shown.monitor.device, shown.picturePath);
}

}  // namespace rotation
