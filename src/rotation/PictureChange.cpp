#include "rotation/PictureChange.h"

#include <algorithm>
#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/PictureErrors.h"
#include "pictures/PictureFormats.h"
#include "platform/ShortDate.h"
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
  if (next.monitors.empty()) {
    change.Prepare(next.pictures.front(), BitmapOf(next.pictures.front()));
    return;
  }
  std::vector<wallpaper::MonitorPicture> composed;
  for (std::size_t i = 0; i < next.monitors.size() && i < next.pictures.size(); ++i)
    composed.push_back({next.monitors[i], next.pictures[i]});
  change.PrepareComposed(std::move(composed));
}

Change ApplyChange(wallpaper::TWallpaperChange& change, platform::TWallpaperStyle style, pictures::HelperWait wait) {
  change.Apply(style, wait);
  Change shown{.time = platform::LocalTimeStamp(), .pictures = {}};
  std::vector<wallpaper::Monitor> layout;
  for (const wallpaper::MonitorPicture& picture : change.ComposedPictures()) {
    shown.pictures.push_back({picture.monitor.device, picture.picturePath});
    layout.push_back(picture.monitor);
  }
  if (shown.pictures.empty()) shown.pictures.push_back({"", change.WrittenPicture()});
  settings::StoreWallpaperLayout(wallpaper::LayoutText(layout));
  return shown;
}

bool CanShowAgain(const Change& change, const TExclusions& excluded) {
  return std::ranges::any_of(change.pictures, [&](const ShownPicture& shown) { return CanShow(shown.path, excluded); });
}

NextPictures PicturesAgain(const Change& change, const Change* now, const TExclusions& excluded) {
  NextPictures again;
  const auto showable =
      std::ranges::find_if(change.pictures, [&](const ShownPicture& shown) { return CanShow(shown.path, excluded); });
  if (showable == change.pictures.end()) return again;
  const std::string& first = showable->path;
  const auto pictureFor = [&](const std::string& monitor) {
    std::string picture = ShowablePicture(&change, monitor, excluded);
    if (picture.empty() && !monitor.empty()) picture = ShowablePicture(now, monitor, excluded);
    return picture.empty() ? first : picture;
  };
  again.monitors = MonitorsWithPictures();
  if (again.monitors.empty()) again.pictures.push_back(pictureFor(""));
  for (const wallpaper::Monitor& monitor : again.monitors) again.pictures.push_back(pictureFor(monitor.device));
  return again;
}

std::vector<std::string> PicturesKeepingTheOthers(const std::vector<wallpaper::Monitor>& monitors,
                                                  const std::string& changed, const std::string& picture,
                                                  const Change* now, const TExclusions& excluded) {
  std::vector<std::string> pictures;
  for (const wallpaper::Monitor& monitor : monitors) {
    const std::string kept = monitor.device == changed ? std::string() : ShowablePicture(now, monitor.device, excluded);
    pictures.push_back(kept.empty() ? picture : kept);
  }
  return pictures;
}

}  // namespace rotation
