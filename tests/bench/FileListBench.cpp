// Refilling the picture file list with a folder of 20,000 pictures, against a bare directory
// scan of the same folder in the same run. Prints the ratio of the medians.
#include <windows.h>

#include <cstdio>
#include <vector>

#include "bench/BenchTiming.h"
#include "browse/FileListBox.h"
#include "support/HostForm.h"
#include "support/ScratchFolder.h"
#include "ui/Form.h"

namespace {

constexpr int kPictures = 20000;
constexpr int kRounds = 5;

}  // namespace

int main() {
  testing_support::ScratchFolder pictures;
  testing_support::ScratchFolder other;
  const char* extensions[] = {".jpg", ".jpeg", ".bmp"};
  for (int i = 0; i < kPictures; ++i) {
    char name[64];
    std::snprintf(name, sizeof name, "Picture %05d%s", (i * 7919) % kPictures, extensions[i % 3]);
    testing_support::WriteFileBytes(pictures / name, "");
  }

  const double scan = bench::MedianSeconds(kRounds, [&] {
    int found = 0;
    for (const char* pattern : {"\\*.jpg", "\\*.jpeg", "\\*.bmp"}) {
      WIN32_FIND_DATAA entry;
      HANDLE search = ::FindFirstFileA((pictures.Path() + pattern).c_str(), &entry);
      if (search == INVALID_HANDLE_VALUE) continue;
      do ++found;
      while (::FindNextFileA(search, &entry));
      ::FindClose(search);
    }
    if (found != kPictures) std::printf("scan found %d\n", found);
  });

  ui::TForm form(testing_support::HostFormSpec());
  browse::TFileListBox list("FileLB", form, ui::Design(8, 184, 185, 154));
  const double refill = bench::MedianSeconds(kRounds, [&] {
    list.ApplyFilePath(other.Path());
    list.ApplyFilePath(pictures.Path());
    if (list.Count() != kPictures) std::printf("list holds %d\n", list.Count());
  });

  bench::PrintRow("folder refill, 20,000 pictures", "bare directory scan", scan, refill);
  return 0;
}
