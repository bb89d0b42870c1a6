#include "wallpaper/WallpaperChange.h"

#include <windows.h>

#include "platform/Exceptions.h"
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
  std::string written = targetPath_;
  try {
    WriteWallpaperFile(written);
  } catch (const platform::EFCreateError&) {
    // A standard user cannot create files in the Windows folder, and a 64-bit program's writes
    // are not redirected. A file that was created but failed later is not tried again.
    if (userFolder_.empty()) throw;
    ::CreateDirectoryA(userFolder_.c_str(), nullptr);  // a folder that cannot be made fails the file's creation
    written = userFolder_ + "\\" + kWallpaperFileName;
    WriteWallpaperFile(written);
  }
  ApplyWallpaper(written, style);
}

void TWallpaperChange::WriteWallpaperFile(const std::string& path) {
  if (previewBitmapFile_)
    platform::ReplaceFileContent(path, *previewBitmapFile_);
  else
    imaging_.SaveBuffer(imagingValue_, platform::ToWide(path), 0, false);
}

}  // namespace wallpaper
