#include "wallpaper/WallpaperChange.h"

#include "platform/Files.h"
#include "platform/WideText.h"
#include "wallpaper/Wallpaper.h"

namespace wallpaper {

void TWallpaperChange::Prepare(const std::string& picturePath,
                               std::optional<std::vector<std::uint8_t>> previewBitmapFile) {
  imaging_.SetFilename(platform::ToWide(picturePath));
  imagingValue_ = imaging_.ViewBufferId();
  targetPath_ = WallpaperFilePath();
  previewBitmapFile_ = std::move(previewBitmapFile);
}

void TWallpaperChange::Apply(platform::TWallpaperStyle style) {
  if (previewBitmapFile_)
    platform::ReplaceFileContent(targetPath_, *previewBitmapFile_);
  else
    imaging_.SaveBuffer(imagingValue_, platform::ToWide(targetPath_), 0, false);
  ApplyWallpaper(targetPath_, style);
}

}  // namespace wallpaper
