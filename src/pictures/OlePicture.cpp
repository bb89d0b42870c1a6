#include "pictures/OlePicture.h"

#include <cstring>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"

namespace pictures {
namespace {

constexpr double kHimetricPerInch = 2540.0;

int ToPixels(OLE_XSIZE_HIMETRIC size) {
  const ui::WindowDc screen;
  return static_cast<int>(size * ::GetDeviceCaps(screen.Get(), LOGPIXELSX) / kHimetricPerInch + 0.5);
}

}  // namespace

void TOlePicture::LoadFromFile(const std::string& path) {
  const std::vector<std::uint8_t> file = platform::ReadWholeFile(path);
  HGLOBAL memory = ::GlobalAlloc(GMEM_MOVEABLE, file.size());
  if (!memory) throw platform::EOutOfResources("Out of memory");
  std::memcpy(::GlobalLock(memory), file.data(), file.size());
  ::GlobalUnlock(memory);
  platform::ComPtr<IStream> stream;
  if (FAILED(::CreateStreamOnHGlobal(memory, TRUE, stream.Receive()))) {
    ::GlobalFree(memory);
    throw platform::EOutOfResources("Out of memory");
  }
  if (FAILED(::OleLoadPicture(stream.Get(), static_cast<LONG>(file.size()), FALSE, IID_IPicture,
                              picture_.ReceiveVoid())))
    throw EInvalidGraphic("Picture is not valid");
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  width_ = ToPixels(width);
  height_ = ToPixels(height);
}

void TOlePicture::Draw(ui::TCanvas& canvas, const RECT& target) {
  if (!picture_) return;
  OLE_XSIZE_HIMETRIC width = 0;
  OLE_YSIZE_HIMETRIC height = 0;
  picture_->get_Width(&width);
  picture_->get_Height(&height);
  // Pictures measure upward: start at the bottom and go up by the height.
  picture_->Render(canvas.Handle(), target.left, target.top, target.right - target.left,
                   target.bottom - target.top, 0, height, width, -height, nullptr);
}

}  // namespace pictures
