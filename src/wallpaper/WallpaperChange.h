// "Set as wallpaper" in its two phases. The first decides what the wallpaper will be (the
// preview's bitmap, or the picture handed to the imaging component) and where it goes; the
// second, on the main window's timer, writes that file and the desktop values and tells the
// system. Another picture clicked in between changes nothing. With a picture for each of several
// monitors, the file is the wallpaper composed of them.
#pragma once

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

#include "pictures/Bitmap.h"
#include "pictures/DecodeHelper.h"
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

  // Phase 1: the picture at `picturePath`, written from `previewBitmap` when the preview holds
  // it as a bitmap (held as it is until then), else by the imaging component, which takes it now.
  void Prepare(const std::string& picturePath, std::shared_ptr<const pictures::TBitmap> previewBitmap);
  // Phase 1 of a wallpaper composed for several monitors: each monitor's picture, read when it is
  // composed.
  void PrepareComposed(std::vector<MonitorPicture> pictures);
  // The pictures of the composed wallpaper written last; none for a plain one.
  const std::vector<MonitorPicture>& ComposedPictures() const { return written_; }
  // The picture of the plain wallpaper written last.
  const std::string& WrittenPicture() const { return writtenPicture_; }
  // Phase 2: what phase 1 prepared last. Where the Windows folder's file cannot be created, the
  // user's own is written instead. A file that cannot be written fails before any desktop value
  // is. A picture a helper decodes is waited for as `wait` says; a phase 1 meanwhile prepares
  // the next change.
  void Apply(platform::TWallpaperStyle style, pictures::HelperWait wait);

 private:
  struct Prepared {
    std::int32_t viewBufferId = 0;
    std::string picturePath;
    std::string targetPath;
    std::shared_ptr<const pictures::TBitmap> previewBitmap;
    std::vector<MonitorPicture> composed;
  };
  void WriteWallpaperFile(const Prepared& change, const std::string& path, platform::TWallpaperStyle style,
                          bool spanned, pictures::HelperWait wait);

  TImagN& imaging_;
  std::string userFolder_;
  Prepared prepared_;
  std::vector<MonitorPicture> written_;
  std::string writtenPicture_;
};

}  // namespace wallpaper
