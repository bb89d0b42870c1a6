#include "rotation/PictureChange.h"

#include <algorithm>
#include <memory>

#include "pictures/Bitmap.h"
#include "pictures/PictureErrors.h"
#include "pictures/PictureFormats.h"
#include "platform/Files.h"
#include "platform/ShortDate.h"
#include "rotation/KeptFiles.h"
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

Change ApplyChange(wallpaper::TWallpaperChange& change, platform::TWallpaperStyle style, pictures::HelperWait wait) {
  change.Apply(style, wait);
  Change shown{.time = platform::LocalTimeStamp(), .pictures = {}};
  for (const wallpaper::MonitorPicture& picture : change.ComposedPictures()) {
    settings::StoreMonitorPicture(picture.monitor.device, picture.picturePath);
    shown.pictures.push_back({picture.monitor.device, picture.picturePath});
  }
  if (shown.pictures.empty()) shown.pictures.push_back({"", change.WrittenPicture()});
  return shown;
}

std::string RecordChange(const Change& change) {
  THistory history = ReadHistory();
  history.Record(change);
  return KeepHistory(history);
}

namespace {

bool Showable(const std::string& picture, const TExclusions& excluded) {
  return !picture.empty() && !excluded.Excludes(picture) && platform::FileExists(picture);
}

}  // namespace

bool CanShowAgain(const Change& change, const TExclusions& excluded) {
  return std::ranges::any_of(change.pictures, [&](const ShownPicture& shown) { return Showable(shown.path, excluded); });
}

NextPictures PicturesAgain(const Change& change, const TExclusions& excluded) {
  NextPictures again;
  const auto showable = std::ranges::find_if(change.pictures, [&](const ShownPicture& shown) {
    return Showable(shown.path, excluded);
  });
  if (showable == change.pictures.end()) return again;
  const auto pictureFor = [&](const std::string& monitor) {
    std::string picture = PictureOnMonitor(change, monitor)->path;
    if (!Showable(picture, excluded) && !monitor.empty()) picture = settings::StoredMonitorPicture(monitor);
    return Showable(picture, excluded) ? picture : showable->path;
  };
  again.monitors = MonitorsWithPictures();
  if (again.monitors.empty()) again.pictures.push_back(pictureFor(""));
  for (const wallpaper::Monitor& monitor : again.monitors) again.pictures.push_back(pictureFor(monitor.device));
  return again;
}

}  // namespace rotation
