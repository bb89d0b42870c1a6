// Feeds the bitmap reader arbitrary bytes; whatever it accepts must save and read back the same.
#include <cstdlib>
#include <cstring>

#include "pictures/BitmapFormat.h"
#include "platform/Exceptions.h"

namespace {

// Resaving allocates all rows; keep each input cheap.
constexpr std::uint64_t kMaxResavedPixels = std::uint64_t{16} << 20;

void Check(bool condition) {
  if (!condition) std::abort();
}

void CheckResaveReadsBack(const pictures::ParsedBitmap& parsed) {
  const pictures::BitmapFormat& format = parsed.format;
  std::vector<std::uint8_t> file = pictures::EncodeBitmapHeaders(format);
  const size_t headers = file.size();
  file.insert(file.end(), parsed.pixelData.begin(), parsed.pixelData.end());
  file.resize(headers + static_cast<size_t>(format.PixelBytes()));

  const pictures::ParsedBitmap again = pictures::ParseBitmap(file);
  const pictures::InfoHeader& before = format.info;
  const pictures::InfoHeader& after = again.format.info;
  Check(after.width == before.width && after.height == before.height && after.bitCount == before.bitCount);
  Check(after.compression == before.compression && again.format.os2 == format.os2);
  Check(again.format.PixelBytes() == format.PixelBytes());
  Check(again.pixelData.size() == format.PixelBytes());
  Check(std::memcmp(again.pixelData.data(), file.data() + headers, again.pixelData.size()) == 0);
  const size_t shared = std::min(again.format.colorTable.size(), format.colorTable.size());
  Check(std::equal(format.colorTable.begin(), format.colorTable.begin() + static_cast<std::ptrdiff_t>(shared),
                   again.format.colorTable.begin()));
  if (before.compression == pictures::kCompressionBitFields && format.masks[0] != 0)
    Check(again.format.masks == format.masks);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  try {
    const pictures::ParsedBitmap parsed = pictures::ParseBitmap({data, size});
    if (!parsed.empty && !parsed.format.Compressed() && parsed.format.PixelBytes() <= kMaxResavedPixels)
      CheckResaveReadsBack(parsed);
  } catch (const platform::Exception&) {
    // Refusing a file is a fine answer.
  }
  return 0;
}
