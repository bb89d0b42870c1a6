// How long Vantoria.exe takes to end: from the close of its main window, and from the last tick
// of a log-on run's splash, to the end of its process; against a trivial program's whole run
// (start to end) under Wine, measured in the same run. Given a photograph and the seconds its
// bare decode takes (arguments 1 and 2), also a whole timed run that sets it, against the trivial
// run plus that decode. Prints a row each, medians of 5 rounds.
#include <windows.h>

#include <chrono>
#include <cstdlib>
#include <string>

#include "bench/BenchTiming.h"
#include "bench/TrivialRun.h"
#include "e2e/VantoriaProcess.h"
#include "support/ScratchSettings.h"

namespace {

using namespace std::chrono_literals;
using Clock = std::chrono::steady_clock;

constexpr int kRounds = 5;

double SecondsSince(Clock::time_point start) { return std::chrono::duration<double>(Clock::now() - start).count(); }

double CloseToExit(const testing_support::ScratchFolder& folder) {
  e2e::VantoriaProcess vantoria(folder, "");
  HWND main = vantoria.WaitForWindow("Vantoria v1.0", 30s);
  testing_support::PumpFor(500ms);
  const auto start = Clock::now();
  ::PostMessageA(main, WM_CLOSE, 0, 0);
  vantoria.WaitForExit(30s);
  return SecondsSince(start);
}

// A log-on run that has changed the wallpaper today already does nothing but show its splash.
double LastSplashTickToExit(const testing_support::ScratchFolder& folder) {
  e2e::VantoriaProcess vantoria(folder, "/s");
  HWND splash = vantoria.WaitForWindow("PocetakDialog", 30s);
  testing_support::WaitUntil([&] { return !::IsWindowVisible(splash); }, 30s);
  const auto start = Clock::now();
  vantoria.WaitForExit(30s);
  return SecondsSince(start);
}

// A timed run whose list holds one folder with `photo` alone, its task registered by this copy.
double WholeTimedRun(const std::string& photo) {
  const testing_support::ScratchFolder program, pictures;
  ::CopyFileA(photo.c_str(), (pictures / "photo.jpg").c_str(), FALSE);
  testing_support::WriteFileBytes(program / "Directory.drl", pictures.Path() + "\r\n");
  const testing_support::ScratchSettings settings;
  testing_support::ScratchSettings::SetValue("ChangeEvery", "10");
  testing_support::ScratchSettings::SetValue("TimerCommand", "\"" + (program / "Vantoria.exe") + "\" /timer");
  e2e::VantoriaProcess vantoria(program, "/timer");
  vantoria.WaitForExit(60s);
  return vantoria.Elapsed() / 1000.0;
}

}  // namespace

int main(int argc, char** argv) {
  if (bench::IsTrivialRun(argc, argv)) return 0;
  testing_support::ScratchFolder folder;
  testing_support::WriteFileBytes(folder / "Directory.drl", "");
  char today[80] = {};
  ::GetDateFormatA(LOCALE_USER_DEFAULT, DATE_SHORTDATE, nullptr, nullptr, today, sizeof today);
  const testing_support::ScratchSettings settings;
  testing_support::ScratchSettings::SetValue("ChangeWP", "1");
  testing_support::ScratchSettings::SetValue("Date", today);

  const double trivial = bench::Median(kRounds, bench::TrivialRun);
  const double close = bench::Median(kRounds, [&] { return CloseToExit(folder); });
  const double splash = bench::Median(kRounds, [&] { return LastSplashTickToExit(folder); });

  bench::PrintRow("end of an interactive run: main window closed to process ended", "a trivial program's whole run",
                  trivial, close);
  bench::PrintRow("end of a log-on run: splash's last tick to process ended", "a trivial program's whole run", trivial,
                  splash);
  if (argc > 2) {
    const double timed = bench::Median(kRounds, [&] { return WholeTimedRun(argv[1]); });
    bench::PrintRow("a whole /timer run setting a 6000 x 4000 JPEG", "a trivial run + djpeg -bmp of it",
                    trivial + std::atof(argv[2]), timed);
  }
  return 0;
}
