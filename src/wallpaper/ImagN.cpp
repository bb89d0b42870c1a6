#include "wallpaper/ImagN.h"

#include <windows.h>

#include <cstring>

#include "pictures/Bitmap.h"
#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/Format.h"
#include "platform/WideText.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"
#include "wallpaper/JpegToBitmapFile.h"

namespace wallpaper {
namespace {

bool IsJpeg(const std::vector<std::uint8_t>& file) { return file.size() >= 2 && file[0] == 0xFF && file[1] == 0xD8; }
bool IsBitmap(const std::vector<std::uint8_t>& file) { return file.size() >= 2 && file[0] == 'B' && file[1] == 'M'; }

// A bitmap file of any layout, drawn into 24-bit rows and written as a plain 24-bit file.
void WriteBitmapAs24Bit(const std::vector<std::uint8_t>& file, platform::ReplacementFile& target) {
  pictures::TBitmap source;
  source.LoadFromBytes(file);
  pictures::BitmapFormat format;
  format.info.width = source.Width();
  format.info.height = source.Height();
  format.info.bitCount = 24;
  target.Write(pictures::EncodeBitmapHeaders(format));
  if (source.Empty()) return;

  BITMAPINFO info = {};
  info.bmiHeader.biSize = sizeof info.bmiHeader;
  info.bmiHeader.biWidth = format.info.width;
  info.bmiHeader.biHeight = format.info.height;  // bottom up, as the file stores them
  info.bmiHeader.biPlanes = 1;
  info.bmiHeader.biBitCount = 24;
  void* bits = nullptr;
  ui::BitmapHandle rows(::CreateDIBSection(nullptr, &info, DIB_RGB_COLORS, &bits, nullptr, 0));
  if (!rows || !bits) throw platform::EOutOfResources("Out of memory");
  ui::MemoryDc dc(::CreateCompatibleDC(nullptr));
  {
    ui::SelectedObject selected(dc.Get(), rows.Get());
    ui::TCanvas canvas(dc.Get());
    source.Draw(canvas, RECT{0, 0, format.info.width, format.info.height});
    ::GdiFlush();
  }
  target.Write({static_cast<const std::uint8_t*>(bits), static_cast<size_t>(format.PixelBytes())});
}

}  // namespace

void TImagN::SetFilename(const std::wstring& path) {
  const std::string narrow = platform::FromWide(path);
  picture_ = platform::ReadWholeFile(narrow);
  picturePath_ = narrow;
  ++bufferId_;
}

std::int32_t TImagN::SaveBuffer(std::int32_t id, const std::wstring& path, std::int32_t, bool) {
  if (id != bufferId_ || bufferId_ == 0)
    throw platform::Exception(platform::Format("The imaging component holds no picture %d", id));
  if (!IsJpeg(picture_) && !IsBitmap(picture_))
    throw pictures::EInvalidGraphic(platform::Format(
        "The imaging component cannot read %s: it is no JPEG or bitmap picture", picturePath_.c_str()));
  platform::ReplacementFile target(platform::FromWide(path));
  if (IsJpeg(picture_)) {
    WriteJpegAsBitmapFile(picture_, {[&](std::uint64_t size) { target.Reserve(size); },
                                     [&](std::uint64_t offset, std::span<const std::uint8_t> bytes) {
                                       target.WriteAt(offset, bytes);
                                     }});
  } else {
    WriteBitmapAs24Bit(picture_, target);
  }
  target.Commit();
  return 0;
}

}  // namespace wallpaper
