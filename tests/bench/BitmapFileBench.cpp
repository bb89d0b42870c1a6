// Loading a 6000 x 4000 24-bit bitmap file as the preview does and saving it as the wallpaper
// does, against a plain copy of the same file that replaces the old one as the wallpaper does, in
// the same run.
#include <windows.h>

#include <optional>
#include <vector>

#include "bench/BenchTiming.h"
#include "pictures/Bitmap.h"
#include "pictures/BitmapFormat.h"
#include "platform/Files.h"
#include "support/ScratchFolder.h"

namespace {

constexpr int kRounds = 5;

// 6000 x 4000 pixels, 24 bits, rows of a gentle gradient.
std::string LargeBitmap() {
  pictures::BitmapFormat format;
  format.info.width = 6000;
  format.info.height = 4000;
  format.info.planes = 1;
  format.info.bitCount = 24;
  std::vector<std::uint8_t> file = pictures::EncodeBitmapHeaders(format);
  const size_t headers = file.size();
  file.resize(headers + static_cast<size_t>(format.PixelBytes()));
  for (size_t i = headers; i < file.size(); ++i) file[i] = static_cast<std::uint8_t>(i * 7 / 3);
  return {file.begin(), file.end()};
}

}  // namespace

int main() {
  testing_support::ScratchFolder folder;
  const std::string source = folder / "large.bmp";
  const std::string target = folder / "saved.bmp";
  testing_support::WriteFileBytes(source, LargeBitmap());

  // Both write a new file that takes the old one's place, and neither flushes it: the wallpaper's
  // file is made again at the next change.
  const std::string copied = target + ".new";
  // The preview's bitmap lives on after the wallpaper is written: its end is not timed.
  std::optional<pictures::TBitmap> bitmap;
  const auto [copy, loadAndSave] = bench::MedianSecondsInTurn(
      kRounds,
      [&] {
        ::CopyFileA(source.c_str(), copied.c_str(), FALSE);
        ::MoveFileExA(copied.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
      },
      [&] {
        bitmap.emplace().LoadFromFile(source);
        platform::ReplacementFile file(target, platform::Durability::kRemadeWhenLost);
        bitmap->WriteFile([&](std::span<const std::uint8_t> bytes) { file.Write(bytes); });
        file.Commit();
      },
      [&] { bitmap.reset(); });
  bench::PrintRow("bitmap load and save, 6000 x 4000, 24 bits", "plain file copy replacing the old", copy,
                  loadAndSave);
  return 0;
}
