#include "wallpaper/WallpaperChange.h"

#include <windows.h>

#include "pictures/BitmapPixels.h"
#include "platform/Files.h"
#include "platform/WideText.h"
#include "wallpaper/DesktopValues.h"
#include "wallpaper/DisplayMonitors.h"
#include "wallpaper/Wallpaper.h"
#include "wallpaper/WallpaperFilePlace.h"

namespace wallpaper {

void TWallpaperChange::Prepare(const std::string& picturePath,
                               std::shared_ptr<const pictures::TBitmap> previewBitmap) {
  imaging_.SetFilename(platform::ToWide(picturePath));
  prepared_ = {.viewBufferId = imaging_.ViewBufferId(),
               .picturePath = picturePath,
               .targetPath = WallpaperFilePath(),
               .previewBitmap = std::move(previewBitmap),
               .composed = {}};
}

void TWallpaperChange::PrepareComposed(std::vector<MonitorPicture> pictures) {
  prepared_ = {.viewBufferId = 0,
               .picturePath = {},
               .targetPath = WallpaperFilePath(),
               .previewBitmap = nullptr,
               .composed = std::move(pictures)};
}

void TWallpaperChange::Apply(platform::TWallpaperStyle style, pictures::HelperWait wait) {
  const Prepared change = prepared_;
  const bool spanned = SystemSpansWallpapers();
  const std::string usersFile = userFolder_.empty() ? std::string() : userFolder_ + "\\" + kWallpaperFileName;
  const std::string written =
      WriteWhereTheFileCanBeCreated(change.targetPath, usersFile, [&](const std::string& path) {
        if (path == usersFile) platform::MakeFolder(userFolder_);
        WriteWallpaperFile(change, path, style, spanned, wait);
      });
  if (change.composed.empty())
    ApplyWallpaper(written, style);
  else
    ApplyWallpaperValues(written, ComposedDesktopValues(written, spanned));
  written_ = change.composed;
  writtenPicture_ = change.picturePath;
}

// The wallpaper is made again from its pictures at the next change: it is not flushed.
void TWallpaperChange::WriteWallpaperFile(const Prepared& change, const std::string& path,
                                          platform::TWallpaperStyle style, bool spanned, pictures::HelperWait wait) {
  if (change.composed.empty() && !change.previewBitmap) {
    imaging_.SetHelperWait(wait);
    imaging_.SaveBuffer(change.viewBufferId, platform::ToWide(path), 0, false);
    return;
  }
  // Created first: a folder that refuses the file is known before the pictures are decoded.
  platform::ReplacementFile file(path, platform::Durability::kRemadeWhenLost);
  if (change.composed.empty())
    change.previewBitmap->WriteFile([&](std::span<const std::uint8_t> bytes) { file.Write(bytes); });
  else
    pictures::WriteBitmapFile(
        ComposeWallpaper(change.composed, style, VirtualScreen(), DesktopBackgroundColour(), spanned, wait), file);
  file.Commit();
}

}  // namespace wallpaper
