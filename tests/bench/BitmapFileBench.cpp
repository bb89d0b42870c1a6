// Loading a 6000 x 4000 24-bit bitmap file as the preview does and saving it as the wallpaper
// does, against a plain copy of the same file that replaces the old one as the wallpaper does, and
// against the floor of any load and save: the file read whole into memory just allocated and
// written whole to a file that replaces the old one. In the same run.
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

// The floor: a bare read into fresh pages (as a picture's own memory is), a bare write of them to
// a new file that takes the old one's place, neither flushed.
void ReadAndReplace(const std::string& source, const std::string& target) {
  const HANDLE in = ::CreateFileA(source.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  LARGE_INTEGER size = {};
  ::GetFileSizeEx(in, &size);
  const auto bytes = static_cast<std::uint8_t*>(
      ::VirtualAlloc(nullptr, static_cast<SIZE_T>(size.QuadPart), MEM_COMMIT | MEM_RESERVE, PAGE_READWRITE));
  DWORD done = 0;
  ::ReadFile(in, bytes, static_cast<DWORD>(size.QuadPart), &done, nullptr);
  ::CloseHandle(in);
  const std::string replacement = target + ".new";
  const HANDLE out = ::CreateFileA(replacement.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
  ::WriteFile(out, bytes, done, &done, nullptr);
  ::CloseHandle(out);
  ::MoveFileExA(replacement.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
  ::VirtualFree(bytes, 0, MEM_RELEASE);
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
  const auto loadAndSaveOnce = [&] {
    bitmap.emplace().LoadFromFile(source);
    platform::ReplacementFile file(target, platform::Durability::kRemadeWhenLost);
    bitmap->WriteFile([&](std::span<const std::uint8_t> bytes) { file.Write(bytes); });
    file.Commit();
  };
  const auto [copy, loadAndSave] = bench::MedianSecondsInTurn(
      kRounds,
      [&] {
        ::CopyFileA(source.c_str(), copied.c_str(), FALSE);
        ::MoveFileExA(copied.c_str(), target.c_str(), MOVEFILE_REPLACE_EXISTING);
      },
      loadAndSaveOnce, [&] { bitmap.reset(); });
  bench::PrintRow("bitmap load and save, 6000 x 4000, 24 bits", "plain file copy replacing the old", copy,
                  loadAndSave);
  const auto [floor, loadAndSaveAgain] = bench::MedianSecondsInTurn(
      kRounds, [&] { ReadAndReplace(source, target); }, loadAndSaveOnce, [&] { bitmap.reset(); });
  bench::PrintRow("the same", "a bare read into fresh memory and a replacing write", floor, loadAndSaveAgain);
  return 0;
}
