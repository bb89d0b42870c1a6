// "Set as wallpaper" in its two phases. The first decides what the wallpaper will be (the
// preview's bitmap file, or the picture handed to the imaging component) and where it goes; the
// second, on the main window's timer, writes that file and the desktop values and tells the
// system. Another picture clicked in between changes nothing. With a picture for each of several
// monitors, the file is the wallpaper composed of them.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/WallpaperStyle.h"
#include "wallpaper/ComposedWallpaper.h"
#include "wallpaper/ImagN.h"

namespace wallpaper {

class TWallpaperChange {
 public:
  // `userFolder`: where the wallpaper goes when the Windows folder cannot take it (made when
  // first written); empty for nowhere.
  TWallpaperChange(TImagN& imaging, std::string userFolder)
      : imaging_(imaging), userFolder_(std::move(userFolder)) {}
  TWallpaperChange(const TWallpaperChange&) = delete;
  TWallpaperChange& operator=(const TWallpaperChange&) = delete;

  // Phase 1: the picture at `picturePath`, saved as `previewBitmapFile` when the preview holds
  // it as a bitmap, else by the imaging component, which takes it now.
  void Prepare(const std::string& picturePath, std::optional<std::vector<std::uint8_t>> previewBitmapFile);
  // Phase 1 of a wallpaper composed for several monitors, after Prepare: each monitor's picture.
  void PrepareComposed(std::vector<MonitorPicture> pictures) { composed_ = std::move(pictures); }
  // The pictures of the composed wallpaper prepared last; none for a plain one.
  const std::vector<MonitorPicture>& ComposedPictures() const { return composed_; }
  // Phase 2. Where the Windows folder's file cannot be created, the user's own is written
  // instead. A file that cannot be written fails before any desktop value is.
  void Apply(platform::TWallpaperStyle style);

 private:
  void WriteWallpaperFile(const std::string& path, platform::TWallpaperStyle style, bool spanned);

  TImagN& imaging_;
  std::string userFolder_;
  std::int32_t viewBufferId_ = 0;
  std::string targetPath_;
  std::optional<std::vector<std::uint8_t>> previewBitmapFile_;
  std::vector<MonitorPicture> composed_;
};

}  // namespace wallpaper
