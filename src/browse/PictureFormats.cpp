#include "browse/PictureFormats.h"

#include <windows.h>

#include <array>

#include "browse/Bitmap.h"
#include "browse/EmptyPicture.h"
#include "browse/JpegPicture.h"
#include "browse/OlePicture.h"
#include "browse/PictureExtension.h"
#include "ui/Exceptions.h"
#include "ui/Format.h"

namespace browse {
namespace {

struct PictureFormat {
  const char* extension;
  std::unique_ptr<ui::TGraphic> (*create)();
};

template <typename Kind>
std::unique_ptr<ui::TGraphic> Create() {
  return std::make_unique<Kind>();
}

// In the order of registration.
constexpr std::array<PictureFormat, 8> kFormats = {{
    {"wmf", Create<TOlePicture>},
    {"emf", Create<TOlePicture>},
    {"ico", Create<TOlePicture>},
    {"bmp", Create<TBitmap>},
    {"jpeg", Create<TJPEGImage>},
    {"jpg", Create<TJPEGImage>},
    {"gif", Create<TOlePicture>},
    {"", Create<TEmptyPicture>},
}};

}  // namespace

std::unique_ptr<ui::TGraphic> CreatePictureFor(const std::string& path) {
  const std::string extension = PictureExtension(path);
  for (auto format = kFormats.rbegin(); format != kFormats.rend(); ++format)
    if (::lstrcmpiA(format->extension, extension.c_str()) == 0) return format->create();
  throw ui::EInvalidGraphic(ui::Format("Unknown picture file extension (.%s)", extension.c_str()));
}

}  // namespace browse
