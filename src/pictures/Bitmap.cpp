#include "pictures/Bitmap.h"

#include <algorithm>
#include <cstring>
#include <optional>

#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/SystemError.h"
#include "ui/Canvas.h"
#include "ui/GdiHandles.h"

namespace pictures {
namespace {

// What is read of a bitmap file before its rows: enough for any usual headers and colour table.
constexpr std::size_t kHeadersRead = 64 * 1024;

// BITMAPINFO with room for the masks or a full colour table, all unused entries zero.
struct BitmapInfo {
  BITMAPINFOHEADER header;
  RGBQUAD colors[256];
};

BitmapInfo MakeBitmapInfo(const BitmapFormat& format, std::uint32_t sizeImage) {
  BitmapInfo info = {};
  const InfoHeader& source = format.info;
  info.header.biSize = sizeof(BITMAPINFOHEADER);
  info.header.biWidth = source.width;
  info.header.biHeight = source.height;
  info.header.biPlanes = 1;
  info.header.biBitCount = source.bitCount;
  info.header.biCompression = source.compression;
  info.header.biSizeImage = sizeImage;
  info.header.biXPelsPerMeter = source.xPelsPerMeter;
  info.header.biYPelsPerMeter = source.yPelsPerMeter;
  info.header.biClrUsed = source.bitCount <= 8 ? static_cast<DWORD>(format.colorTable.size()) : 0;
  info.header.biClrImportant = 0;
  if (source.compression == kCompressionBitFields) {
    std::memcpy(info.colors, format.masks.data(), sizeof format.masks);
  } else if (source.bitCount <= 8) {
    for (size_t i = 0; i < format.colorTable.size(); ++i) {
      const RgbQuad& c = format.colorTable[i];
      info.colors[i] = RGBQUAD{c.blue, c.green, c.red, 0};
    }
  }
  return info;
}

// The system's error when it gives one; a bitmap it refuses without one is not valid.
[[noreturn]] void RaiseCreationFailure() {
  const DWORD code = ::GetLastError();
  if (code != 0) platform::RaiseOSError(code);
  throw EInvalidGraphic("Bitmap image is not valid");
}

}  // namespace

int TBitmap::Width() const { return handle_ ? format_.info.width : 0; }

int TBitmap::Height() const {
  if (!handle_) return 0;
  return format_.info.height < 0 ? -format_.info.height : format_.info.height;
}

void TBitmap::LoadFromFile(const std::string& path) {
  // The headers first, then the rows straight into the bitmap: a large file is read once and
  // copied nowhere. Anything unusual (a compressed or small file, headers longer than the first
  // read, an error) is read whole, as the bytes' loader takes it.
  const platform::FileReader file(path);
  const std::uint64_t size = file.Size();
  std::vector<std::uint8_t> start(static_cast<std::size_t>(std::min<std::uint64_t>(size, kHeadersRead)));
  start.resize(file.ReadAt(0, start));
  std::optional<ParsedBitmap> parsed;
  try {
    if (size > start.size()) parsed = ParseBitmap(start);
  } catch (const platform::Exception&) {
  }
  if (!parsed || parsed->format.Compressed() || parsed->format.PixelBytes() <= parsed->pixelData.size()) {
    LoadFromBytes(platform::ReadWholeFile(path));
    return;
  }
  Reset(parsed->format);
  MakeDibSection(*parsed);
  // The rest of the rows where the first read left off; rows a short file lacks stay zero.
  const std::size_t first = parsed->pixelData.size();
  const auto rowsStart = static_cast<std::uint64_t>(parsed->pixelData.data() - start.data());
  std::span<std::uint8_t> rest(rows_ + first, format_.PixelBytes() - first);
  for (std::uint64_t at = rowsStart + first; !rest.empty();) {
    const std::size_t read = file.ReadAt(at, rest);
    if (read == 0) break;
    rest = rest.subspan(read);
    at += read;
  }
  MakePalette();
}

void TBitmap::LoadFromBytes(std::span<const std::uint8_t> file) {
  const ParsedBitmap parsed = ParseBitmap(file);
  Reset(parsed.format);
  if (parsed.empty) return;
  if (format_.Compressed()) {
    MakeDisplayBitmap(parsed);
    compressedFile_.assign(file.begin(), file.end());
  } else {
    MakeDibSection(parsed);
  }
  MakePalette();
}

void TBitmap::Reset(const BitmapFormat& format) {
  handle_.Reset();
  palette_.Reset();
  rows_ = nullptr;
  compressedFile_.clear();
  format_ = format;
}

void TBitmap::MakeDibSection(const ParsedBitmap& parsed) {
  const BitmapInfo info = MakeBitmapInfo(format_, static_cast<std::uint32_t>(format_.PixelBytes()));
  void* bits = nullptr;
  ::SetLastError(0);
  handle_.Reset(::CreateDIBSection(nullptr, reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS, &bits,
                                   nullptr, 0));
  if (!handle_ || !bits) RaiseCreationFailure();
  // Rows a short file lacks stay zero, as the section starts.
  std::memcpy(bits, parsed.pixelData.data(), parsed.pixelData.size());
  rows_ = static_cast<std::uint8_t*>(bits);
}

void TBitmap::MakeDisplayBitmap(const ParsedBitmap& parsed) {
  const BitmapInfo info = MakeBitmapInfo(format_, static_cast<std::uint32_t>(parsed.pixelData.size()));
  const ui::WindowDc screen;
  ::SetLastError(0);
  handle_.Reset(::CreateDIBitmap(screen.Get(), &info.header, CBM_INIT, parsed.pixelData.data(),
                                 reinterpret_cast<const BITMAPINFO*>(&info), DIB_RGB_COLORS));
  if (!handle_) RaiseCreationFailure();
}

void TBitmap::MakePalette() {
  if (format_.info.bitCount <= 8 || format_.colorTable.empty()) return;
  std::vector<std::uint8_t> storage(sizeof(LOGPALETTE) + sizeof(PALETTEENTRY) * format_.colorTable.size());
  auto* palette = reinterpret_cast<LOGPALETTE*>(storage.data());
  palette->palVersion = 0x300;
  palette->palNumEntries = static_cast<WORD>(format_.colorTable.size());
  for (size_t i = 0; i < format_.colorTable.size(); ++i) {
    const RgbQuad& c = format_.colorTable[i];
    palette->palPalEntry[i] = PALETTEENTRY{c.red, c.green, c.blue, 0};
  }
  palette_.Reset(::CreatePalette(palette));
}

void TBitmap::WriteFile(const std::function<void(std::span<const std::uint8_t>)>& write) const {
  if (!compressedFile_.empty()) {
    write(compressedFile_);
  } else if (rows_) {
    write(EncodeBitmapHeaders(format_));
    write({rows_, static_cast<std::size_t>(format_.PixelBytes())});
  }
}

void TBitmap::Draw(ui::TCanvas& canvas, const RECT& target) {
  if (!handle_) return;
  HDC dc = canvas.Handle();
  ui::MemoryDc source(::CreateCompatibleDC(dc));
  ui::SelectedObject selected(source.Get(), handle_.Get());
  HPALETTE previousPalette = nullptr;
  if (palette_) {
    previousPalette = ::SelectPalette(dc, palette_.Get(), TRUE);
    ::RealizePalette(dc);
  }
  const int displayBits = ::GetDeviceCaps(dc, BITSPIXEL) * ::GetDeviceCaps(dc, PLANES);
  if (SmoothStretching()) {
    ::SetStretchBltMode(dc, HALFTONE);
    ::SetBrushOrgEx(dc, 0, 0, nullptr);
  } else if (format_.info.bitCount != 1) {
    ::SetStretchBltMode(dc, displayBits <= 8 && displayBits < format_.info.bitCount ? HALFTONE : COLORONCOLOR);
  }
  ::StretchBlt(dc, target.left, target.top, target.right - target.left, target.bottom - target.top, source.Get(), 0,
               0, Width(), Height(), SRCCOPY);
  if (previousPalette) ::SelectPalette(dc, previousPalette, TRUE);
}

}  // namespace pictures
