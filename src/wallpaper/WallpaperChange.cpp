#include "wallpaper/WallpaperChange.h"

#include <windows.h>

#include "platform/Files.h"
#include "platform/WideText.h"
#include "wallpaper/Wallpaper.h"
#include "wallpaper/WallpaperFilePlace.h"

namespace wallpaper {

void TWallpaperChange::Prepare(const std::string& picturePath,
                               std::optional<std::vector<std::uint8_t>> previewBitmapFile) {
  imaging_.SetFilename(platform::ToWide(picturePath));
  viewBufferId_ = imaging_.ViewBufferId();
  targetPath_ = WallpaperFilePath();
  previewBitmapFile_ = std::move(previewBitmapFile);
}

void TWallpaperChange::Apply(platform::TWallpaperStyle style) {
  const std::string usersFile = userFolder_.empty() ? std::string() : userFolder_ + "\\" + kWallpaperFileName;
  const std::string written = WriteWhereTheFileCanBeCreated(targetPath_, usersFile, [&](const std::string& path) {
    // A folder that cannot be made fails the file's creation.
    if (path == usersFile) ::CreateDirectoryA(userFolder_.c_str(), nullptr);
    WriteWallpaperFile(path);
  });
  ApplyWallpaper(written, style);
}

void TWallpaperChange::WriteWallpaperFile(const std::string& path) {
  if (previewBitmapFile_)
    platform::ReplaceFileContent(path, *previewBitmapFile_);
  else
    imaging_.SaveBuffer(viewBufferId_, platform::ToWide(path), 0, false);
}

}  // namespace wallpaper
