#include "browse/PicturePreview.h"

#include "pictures/Bitmap.h"
#include "pictures/PictureFormats.h"

namespace browse {

void LoadPicture(ui::TImage& preview, const std::string& path) {
  std::unique_ptr<ui::TGraphic> picture = pictures::CreatePictureFor(path);
  picture->LoadFromFile(path);
  preview.SetPicture(std::move(picture));
}

std::shared_ptr<const pictures::TBitmap> PreviewBitmap(const ui::TImage& preview) {
  return std::dynamic_pointer_cast<const pictures::TBitmap>(preview.SharedPicture());
}

}  // namespace browse
