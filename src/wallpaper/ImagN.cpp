#include "wallpaper/ImagN.h"

#include "pictures/BitmapPixels.h"
#include "pictures/PictureErrors.h"
#include "pictures/PictureHeader.h"
#include "pictures/WicDecoder.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/Format.h"
#include "platform/WideText.h"
#include "wallpaper/DisplayMonitors.h"
#include "wallpaper/JpegToBitmapFile.h"

namespace wallpaper {

void TImagN::SetFilename(const std::wstring& path) {
  const std::string narrow = platform::FromWide(path);
  picture_ = platform::ReadWholeFile(narrow);
  picturePath_ = narrow;
  ++bufferId_;
}

std::int32_t TImagN::SaveBuffer(std::int32_t id, const std::wstring& path, std::int32_t, bool) {
  if (id != bufferId_ || bufferId_ == 0)
    throw platform::Exception(platform::Format("The imaging component holds no picture %d", id));
  const bool otherKind = !pictures::IsJpegFile(picture_) && !pictures::IsBitmapFile(picture_);
  if (otherKind && !pictures::IsImagingComponentKind(picturePath_))
    throw pictures::EInvalidGraphic(platform::Format(
        "The imaging component cannot read %s: it is no JPEG or bitmap picture", picturePath_.c_str()));
  platform::ReplacementFile target(platform::FromWide(path), platform::Durability::kRemadeWhenLost);
  if (otherKind) {
    const std::string picturePath = picturePath_;  // a window that answers meanwhile may take another
    pictures::WriteBitmapFile(
        pictures::OverColour(pictures::DecodeInHelper(picturePath, helperWait_).Picture(), DesktopBackgroundColour()),
        target);
  } else if (pictures::IsJpegFile(picture_)) {
    WriteJpegAsBitmapFile(picture_, {[&](std::uint64_t size) { target.Reserve(size); },
                                     [&](std::uint64_t offset, std::span<const std::uint8_t> bytes) {
                                       target.WriteAt(offset, bytes);
                                     }});
  } else {
    pictures::WriteBitmapFile(pictures::BitmapPixels(picture_), target);
  }
  target.Commit();
  return 0;
}

}  // namespace wallpaper
