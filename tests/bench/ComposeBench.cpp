// A wallpaper composed for two 3840 x 2160 monitors, the second turned to portrait, from two
// 6000 x 4000 JPEGs filling them. Prints its time (median of 5) and how much its peak working set
// grew, for scripts/bench to set against djpeg decoding both files whole.
#include <cstdio>

#include "bench/BenchTiming.h"
#include "bench/Corpus.h"
#include "bench/PeakMemory.h"
#include "wallpaper/ComposedWallpaper.h"

int main() {
  using wallpaper::Monitor;
  const std::vector<wallpaper::MonitorPicture> pictures = {
      {Monitor{"\\\\.\\DISPLAY1", {0, 0, 3840, 2160}, true},
       bench::CorpusPath("jpeg/imagemagick/photo_6000x4000_q90_baseline.jpg")},
      {Monitor{"\\\\.\\DISPLAY2", {3840, 0, 2160, 3840}, false},
       bench::CorpusPath("jpeg/imagemagick/photo_6000x4000_q90_baseline.jpg")}};
  const SIZE_T before = bench::PeakWorkingSet();
  const double seconds = bench::MedianSeconds(5, [&] {
    wallpaper::ComposeWallpaper(pictures, platform::TWallpaperStyle::wsFill, {0, 0, 6000, 3840}, 0, true,
                                ::pictures::HelperWait::kBlocking);
  });
  const SIZE_T grown = bench::PeakWorkingSet() - before;
  std::printf("compose %.3f s %llu KiB\n", seconds, static_cast<unsigned long long>(grown / 1024));
  return 0;
}
