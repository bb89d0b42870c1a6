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
                               std::optional<std::vector<std::uint8_t>> previewBitmapFile) {
  imaging_.SetFilename(platform::ToWide(picturePath));
  viewBufferId_ = imaging_.ViewBufferId();
  targetPath_ = WallpaperFilePath();
  previewBitmapFile_ = std::move(previewBitmapFile);
  composed_.clear();
}

void TWallpaperChange::Apply(platform::TWallpaperStyle style) {
  const bool spanned = SystemSpansWallpapers();
  const std::string usersFile = userFolder_.empty() ? std::string() : userFolder_ + "\\" + kWallpaperFileName;
  const std::string written = WriteWhereTheFileCanBeCreated(targetPath_, usersFile, [&](const std::string& path) {
    if (path == usersFile) platform::MakeFolder(userFolder_);
    WriteWallpaperFile(path, style, spanned);
  });
  if (composed_.empty())
    ApplyWallpaper(written, style);
  else
    ApplyWallpaperValues(written, ComposedDesktopValues(written, spanned));
}

void TWallpaperChange::WriteWallpaperFile(const std::string& path, platform::TWallpaperStyle style, bool spanned) {
  if (!composed_.empty()) {
    // Created first: a folder that refuses the file is known before the pictures are decoded.
    platform::ReplacementFile file(path);
    pictures::WriteBitmapFile(
        ComposeWallpaper(composed_, style, VirtualScreen(), DesktopBackgroundColour(), spanned), file);
    file.Commit();
  } else if (previewBitmapFile_)
    platform::ReplaceFileContent(path, *previewBitmapFile_);
  else
    imaging_.SaveBuffer(viewBufferId_, platform::ToWide(path), 0, false);
}

}  // namespace wallpaper
