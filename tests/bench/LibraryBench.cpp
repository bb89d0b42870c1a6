// A library of 100,000 pictures in 2,000 folders (hard links to one JPEG, which scripts/bench
// makes; argument 1 its root as a Windows path, argument 2 the JPEG) dealt from by Vantoria.exe
// /next with subfolders: its first run against a bare recursive walk of the tree plus a trivial
// program's whole run, a warm run (nothing changed) against that trivial run plus a bare decode of
// the JPEG, and the deck's peak memory, read, reconciled and written as a warm run does, against
// the bytes of the pictures' paths. With argument 3 "filters", pictures smaller than three quarters
// of the monitor and of another shape are passed over: the first run, which reads every picture's
// header, against a walk that reads each header (medians of 3), and the warm run; no memory row.
// Prints a row each, medians of 5 (of 11 for the warm run).
#include <windows.h>

#include <string>

#include "bench/BenchTiming.h"
#include "bench/PeakMemory.h"
#include "bench/TrivialRun.h"
#include "e2e/VantoriaProcess.h"
#include "pictures/JpegDecoder.h"
#include "platform/Files.h"
#include "platform/KnownFolders.h"
#include "rotation/Deck.h"
#include "rotation/FolderScan.h"
#include "rotation/Library.h"
#include "support/ScratchSettings.h"

namespace {


constexpr int kRounds = 5;
// A warm run costs a tenth of a second, in which a moment of another process's work counts.
constexpr int kWarmRounds = 11;

// The first bytes of a file, where a header is.
void ReadHeader(const std::wstring& path) {
  const HANDLE file = ::CreateFileW(path.c_str(), GENERIC_READ, FILE_SHARE_READ, nullptr, OPEN_EXISTING, 0, nullptr);
  if (file == INVALID_HANDLE_VALUE) return;
  char bytes[4096];
  DWORD read = 0;
  ::ReadFile(file, bytes, sizeof bytes, &read, nullptr);
  ::CloseHandle(file);
}

std::size_t Walk(const std::wstring& folder, bool readHeaders) {
  WIN32_FIND_DATAW entry;
  const HANDLE search = ::FindFirstFileExW((folder + L"\\*").c_str(), FindExInfoBasic, &entry, FindExSearchNameMatch,
                                           nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return 0;
  std::size_t files = 0;
  do {
    const std::wstring_view name = entry.cFileName;
    if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY)) {
      ++files;
      if (readHeaders) ReadHeader(folder + L"\\" + entry.cFileName);
    } else if (name != L"." && name != L"..") {
      files += Walk(folder + L"\\" + entry.cFileName, readHeaders);
    }
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
  return files;
}

rotation::RotationState ReadState(const std::string& path) {
  const std::vector<std::uint8_t> bytes = platform::ReadWholeFile(path);
  return rotation::ParseRotationState({reinterpret_cast<const char*>(bytes.data()), bytes.size()}).value();
}

void NextRun(const testing_support::ScratchFolder& program) {
  bench::WholeRun((program / "Vantoria.exe").c_str(), "/next");
}

class NoRows : public pictures::JpegTarget {
 public:
  void Begin(int width, int, int, const std::vector<pictures::RgbQuad>&) override { row_.resize(width * 3); }
  std::uint8_t* Row(int) override { return row_.data(); }
  void Progress(int, int, int, bool) noexcept override {}

 private:
  std::vector<std::uint8_t> row_;
};

}  // namespace

int main(int argc, char** argv) {
  if (bench::IsTrivialRun(argc, argv) || argc < 3) return 0;
  const std::string root = argv[1];
  const std::string statePath = platform::LocalAppDataFolder() + "\\Vantoria\\Rotation.state";
  const testing_support::ScratchSettings settings;
  const bool filters = argc > 3 && std::string(argv[3]) == "filters";
  for (const char* name : {"RndFile", "Shuffle", "Subfolders"}) testing_support::ScratchSettings::SetValue(name, "1");
  if (filters) {
    testing_support::ScratchSettings::SetValue("SmallestPart", "75");
    testing_support::ScratchSettings::SetValue("SameShape", "1");
  }
  const testing_support::ScratchFolder program;
  testing_support::WriteFileBytes(program / "Directory.drl", root + "\r\n");
  ::CopyFileA(e2e::VantoriaExe().c_str(), (program / "Vantoria.exe").c_str(), FALSE);

  // Each against its reference in turn, round after round, so that both meet the machine alike.
  const std::wstring wideRoot(root.begin(), root.end());
  // A first run with the filters reads every header: tens of seconds a round under Wine.
  const auto [walk, first] = bench::MedianSecondsInTurn(
      filters ? 3 : kRounds,
      [&] {
        Walk(wideRoot, filters);
        bench::TrivialRun();
      },
      [&] {
        ::DeleteFileA(statePath.c_str());
        NextRun(program);
      },
      [] {});
  const auto [trivial, warm] =
      bench::MedianSecondsInTurn(kWarmRounds, bench::TrivialRun, [&] { NextRun(program); }, [] {});
  const std::vector<std::uint8_t> jpeg = platform::ReadWholeFile(argv[2]);
  const double decode = bench::MedianSeconds(kRounds, [&] {
    NoRows rows;
    pictures::DecodeJpeg(jpeg, {}, rows);
  });

  if (filters) {
    ::DeleteFileA(statePath.c_str());
    bench::PrintRow("first /next with both filters over 100,000 pictures of 1280 x 1024",
                    "a bare recursive walk reading each header + a trivial run", walk, first);
    bench::PrintRow("a warm /next over them with both filters", "a trivial run + a bare decode of the picture",
                    trivial + decode, warm);
    return 0;
  }
  // The warm run's deck: its state read, its folders looked at, its deck kept and written again
  // (into nothing: the disk is not what is measured).
  const SIZE_T before = bench::PeakWorkingSet();
  std::size_t pathBytes = 0;
  {
    rotation::RotationState state = ReadState(statePath);
    rotation::TLibrary library(std::move(state.folders), rotation::FoldersOnDisk(rotation::SubfolderOrder::kAny, rotation::PictureSizes::kLeft));
    std::vector<std::uint32_t> placeOf;
    for (const std::uint32_t folder : library.Folders(root, "*.jpg;*.jpeg;*.bmp;", true)) {
      for (std::uint32_t picture = 0; picture < library.Listing(folder).pictures.Size(); ++picture) {
        placeOf.push_back(library.PlaceOf(folder, picture));
        pathBytes += library.PathOf(folder, picture).size();
      }
    }
    const rotation::TDeck deck = rotation::TDeck::Kept(placeOf, state.progress.shown, [](std::uint32_t) { return 0u; });
    state.folders = library.ListingsToKeep([](const std::string&) { return true; });
    std::size_t written = 0;
    rotation::WriteRotationState(state, [&](std::string_view line) { written += line.size(); });
  }
  const SIZE_T grown = bench::PeakWorkingSet() - before;
  ::DeleteFileA(statePath.c_str());

  bench::PrintRow("first /next over 100,000 pictures in 2,000 folders", "a bare recursive walk + a trivial run",
                  walk, first);
  bench::PrintRow("a warm /next over them", "a trivial run + a bare decode of the picture", trivial + decode, warm);
  std::printf("the deck's peak memory for 100,000 paths|the paths' bytes|%zu KiB|%zu KiB|%.2f\n", pathBytes / 1024,
              static_cast<std::size_t>(grown / 1024), static_cast<double>(grown) / static_cast<double>(pathBytes));
  return 0;
}
