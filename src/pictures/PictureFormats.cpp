#include "pictures/PictureFormats.h"

#include <windows.h>

#include <array>

#include "pictures/Bitmap.h"
#include "pictures/EmptyPicture.h"
#include "pictures/JpegPicture.h"
#include "pictures/OlePicture.h"
#include "pictures/PictureErrors.h"
#include "pictures/PictureExtension.h"
#include "pictures/WicDecoder.h"
#include "pictures/WicPicture.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"

namespace pictures {
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
  // The kinds this PC's imaging component decodes come last, so they come first.
  if (IsImagingComponentKind(path)) return std::make_unique<TWicPicture>();
  for (auto format = kFormats.rbegin(); format != kFormats.rend(); ++format)
    if (::lstrcmpiA(format->extension, extension.c_str()) == 0) return format->create();
  throw EInvalidGraphic(platform::Format("Unknown picture file extension (.%s)", extension.c_str()));
}

}  // namespace pictures
