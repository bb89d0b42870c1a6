#include "browse/PicturePreview.h"

#include "pictures/Bitmap.h"
#include "pictures/PictureFormats.h"

namespace browse {

void LoadPicture(ui::TImage& preview, const std::string& path) {
  std::unique_ptr<ui::TGraphic> picture = pictures::CreatePictureFor(path);
  picture->LoadFromFile(path);
  preview.SetPicture(std::move(picture));
}

bool HoldsBitmap(const ui::TImage& preview) {
  return dynamic_cast<const pictures::TBitmap*>(preview.Picture()) != nullptr;
}

std::vector<std::uint8_t> BitmapFileBytes(const ui::TImage& preview) {
  return dynamic_cast<const pictures::TBitmap&>(*preview.Picture()).FileBytes();
}

}  // namespace browse
