// The imaging component's conversion of a 6000 x 4000 JPEG into a 24-bit bitmap file. Prints
// its time (median of 5) and how much its peak working set grew, for scripts/bench to set
// against djpeg -bmp of the same file.
#include <cstdio>
#include <string>

#include "bench/BenchTiming.h"
#include "bench/Corpus.h"
#include "bench/PeakMemory.h"
#include "platform/WideText.h"
#include "support/ScratchFolder.h"
#include "wallpaper/ImagN.h"

int main() {
  const std::string path = bench::CorpusPath("jpeg/imagemagick/photo_6000x4000_q90_baseline.jpg");
  testing_support::ScratchFolder folder;
  const std::wstring target = platform::ToWide(folder / "VAImage.bmp");

  const SIZE_T before = bench::PeakWorkingSet();
  const double seconds = bench::MedianSeconds(5, [&] {
    wallpaper::TImagN imaging;
    imaging.SetFilename(platform::ToWide(path));
    imaging.SaveBuffer(imaging.ViewBufferId(), target, 0, false);
  });
  const SIZE_T grown = bench::PeakWorkingSet() - before;
  std::printf("imaging %.3f s %llu KiB\n", seconds, static_cast<unsigned long long>(grown / 1024));
  return 0;
}
