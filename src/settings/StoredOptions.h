// The options and the start-up rotation's counters, kept in the current user's registry (key
// "Software\Vantoria", section "Settings", every value as text) and read and written in the order
// the program has always used. Each reader has its own defaults for a missing value: the options
// dialog and the rotation read RndFile with different ones, on purpose (until the user presses OK
// once, the dialog offers random order while log-on runs go in order). The loads and saves work on
// any store with the registry store's operations (platform::RegistryStore, opened by
// settings/SettingsStore.h), so that this file needs no Windows.
#pragma once

#include <algorithm>
#include <array>
#include <optional>
#include <string>

#include "platform/Exceptions.h"
#include "schedule/ChangeIntervals.h"
#include "settings/Pause.h"

namespace settings {

// Where the values are and what they are called: for settings/ only.
namespace stored {
inline constexpr char kProgramKey[] = "Software\\Vantoria";
inline constexpr char kSection[] = "Settings";
inline constexpr char kRndFile[] = "RndFile";
inline constexpr char kDisplay[] = "Display";
inline constexpr char kChangeWP[] = "ChangeWP";
inline constexpr char kFile[] = "File";
inline constexpr char kFolder[] = "Folder";
inline constexpr char kDate[] = "Date";
inline constexpr char kPerMonitor[] = "PerMonitor";
inline constexpr char kAllPictures[] = "AllPictures";
inline constexpr char kChangeEvery[] = "ChangeEvery";
inline constexpr char kOnBattery[] = "OnBattery";
inline constexpr char kDesktopMenu[] = "DesktopMenu";
inline constexpr char kTimerCommand[] = "TimerCommand";
inline constexpr char kRefitCommand[] = "RefitCommand";
inline constexpr char kLastTimerRun[] = "LastTimerRun";
inline constexpr char kSubfolders[] = "Subfolders";
inline constexpr char kShuffle[] = "Shuffle";
inline constexpr char kRunAtLogon[] = "RunAtLogon";
inline constexpr char kWallpaperLayout[] = "WallpaperLayout";
inline constexpr char kDayNight[] = "DayNight";
inline constexpr char kLatitude[] = "Latitude";
inline constexpr char kLongitude[] = "Longitude";
inline constexpr char kSunChange[] = "SunChange";
inline constexpr char kPausedSince[] = "PausedSince";
inline constexpr char kResumeAfter[] = "ResumeAfter";
inline constexpr char kNextKeys[] = "NextKeys";
inline constexpr char kSmallestPart[] = "SmallestPart";
inline constexpr char kSameShape[] = "SameShape";
}  // namespace stored

// The percent of a monitor's width and of its height a picture must have, as the options offer
// them: any size, half, three quarters, the whole.
inline constexpr std::array<int, 4> kSmallestParts = {0, 50, 75, 100};
// The stored share's place among them; any size for a value the options do not offer.
inline int SmallestPartIndex(const std::string& stored) {
  const auto part =
      std::ranges::find_if(kSmallestParts, [&](int offered) { return std::to_string(offered) == stored; });
  return part == kSmallestParts.end() ? 0 : static_cast<int>(part - kSmallestParts.begin());
}

// What `read` reads, or `fallback` for a value that is not text (a number a script wrote), which
// must not stop the program; the first such error goes to `unreadable`, for a caller that reports
// it. A missing value is the reader's own default.
template <typename Read, typename Value>
Value ReadOr(Read read, Value fallback, std::optional<platform::ERegistryException>* unreadable = nullptr) {
  try {
    return read();
  } catch (const platform::ERegistryException& error) {
    if (unreadable && !*unreadable) *unreadable = error;
    return fallback;
  }
}

// A stored "1"/"0" of section Settings; `fallback` when it is missing or not text.
template <typename Store>
bool StoredBool(Store& store, const char* name, bool fallback,
                std::optional<platform::ERegistryException>* unreadable = nullptr) {
  return ReadOr([&] { return store.ReadBool(stored::kSection, name, fallback); }, fallback, unreadable);
}

// The index of kSmallestParts SmallestPart gives; any size when it is missing or not text.
template <typename Store>
int SmallestPartOf(Store& store, std::optional<platform::ERegistryException>* unreadable = nullptr) {
  return SmallestPartIndex(ReadOr([&] { return store.ReadString(stored::kSection, stored::kSmallestPart, "0"); },
                                  std::string("0"), unreadable));
}

// What the options dialog shows and stores.
struct TDialogOptions {
  bool rndFile = true;       // the rotation picks its picture at random
  int display = 0;           // 0 Tile, 1 Center, 2 Stretch, 3 Fill, 4 Fit, -1 none
  bool changeWP = false;     // the rotation changes the wallpaper at most once a day
  bool perMonitor = false;   // several monitors each show a picture of their own
  bool allPictures = false;  // every kind of picture this PC decodes is listed
  int changeEvery = 0;       // the index of schedule::ChangeIntervals(): at log-on only
  bool onBattery = true;     // timed changes on battery power too
  bool desktopMenu = false;  // the picture commands on the desktop's menu
  bool subfolders = false;   // a selected folder's pictures are those of the folders below it too
  bool shuffle = false;      // at random, every picture once before any repeats
  bool runAtLogon = false;   // the program makes the start-up entry of the log-on run
  ResumeAfter resumeAfter = ResumeAfter::kNever;  // when a pause of the changes ends by itself
  int smallestPart = 0;    // the index of kSmallestParts: pictures smaller are passed over
  bool sameShape = false;  // a monitor takes only pictures of its shape, while there are any

  // Reads RndFile, Display, ChangeWP, PerMonitor, AllPictures, ChangeEvery, OnBattery, DesktopMenu,
  // Subfolders, Shuffle, RunAtLogon, ResumeAfter, SmallestPart and SameShape, in this order; a
  // missing value keeps the default above. A value that is not text (a REG_DWORD a script wrote)
  // keeps it too, Display gives none, and the first such error is handed back once every value is
  // read, for the caller to report.
  template <typename Store>
  std::optional<platform::ERegistryException> Load(Store& store) {
    std::optional<platform::ERegistryException> unreadable;
    rndFile = StoredBool(store, stored::kRndFile, rndFile, &unreadable);
    display = ReadOr([&] { return store.ReadInteger(stored::kSection, stored::kDisplay, display); }, -1, &unreadable);
    changeWP = StoredBool(store, stored::kChangeWP, changeWP, &unreadable);
    perMonitor = StoredBool(store, stored::kPerMonitor, perMonitor, &unreadable);
    allPictures = StoredBool(store, stored::kAllPictures, allPictures, &unreadable);
    changeEvery = ReadOr(
        [&] { return schedule::IntervalIndexOfStored(store.ReadString(stored::kSection, stored::kChangeEvery, "0")); },
        0, &unreadable);
    onBattery = StoredBool(store, stored::kOnBattery, onBattery, &unreadable);
    desktopMenu = StoredBool(store, stored::kDesktopMenu, desktopMenu, &unreadable);
    subfolders = StoredBool(store, stored::kSubfolders, subfolders, &unreadable);
    shuffle = StoredBool(store, stored::kShuffle, shuffle, &unreadable);
    runAtLogon = StoredBool(store, stored::kRunAtLogon, runAtLogon, &unreadable);
    resumeAfter = ResumeAfterOfStored(ReadOr(
        [&] { return store.ReadString(stored::kSection, stored::kResumeAfter, ""); }, std::string(), &unreadable));
    smallestPart = SmallestPartOf(store, &unreadable);
    sameShape = StoredBool(store, stored::kSameShape, sameShape, &unreadable);
    return unreadable;
  }
  // ChangeEvery and OnBattery go with the task they register (settings/TimerRegistration.h).
  template <typename Store>
  void Save(Store& store) const {
    store.WriteBool(stored::kSection, stored::kRndFile, rndFile);
    store.WriteInteger(stored::kSection, stored::kDisplay, display);
    store.WriteBool(stored::kSection, stored::kChangeWP, changeWP);
    store.WriteBool(stored::kSection, stored::kPerMonitor, perMonitor);
    store.WriteBool(stored::kSection, stored::kAllPictures, allPictures);
    store.WriteBool(stored::kSection, stored::kDesktopMenu, desktopMenu);
    store.WriteBool(stored::kSection, stored::kSubfolders, subfolders);
    store.WriteBool(stored::kSection, stored::kShuffle, shuffle);
    store.WriteBool(stored::kSection, stored::kRunAtLogon, runAtLogon);
    store.WriteString(stored::kSection, stored::kResumeAfter, StoredTextOf(resumeAfter));
    const std::size_t part = static_cast<std::size_t>(std::clamp(smallestPart, 0, 3));
    store.WriteString(stored::kSection, stored::kSmallestPart, std::to_string(kSmallestParts[part]));
    store.WriteBool(stored::kSection, stored::kSameShape, sameShape);
  }
};

// What the rotation reads and keeps.
struct TRotationSettings {
  // In order, from the first picture of the first folder, at every log-on, each folder's own
  // pictures.
  int file = 0;
  int folder = 0;
  bool rndFile = false;
  bool changeWP = false;
  bool subfolders = false;
  bool shuffle = false;
  int smallestPart = 0;  // percent
  bool sameShape = false;

  // Whether pictures are passed over for their size or shape: their sizes are then kept.
  bool Filters() const { return smallestPart > 0 || sameShape; }
  // At random from one deck of every picture: the counters are not used.
  bool Deals() const { return rndFile && shuffle; }

  // Reads RndFile and Shuffle, then File and Folder unless the rotation deals, then ChangeWP,
  // Subfolders, SmallestPart and SameShape; a value missing or not text keeps its default.
  template <typename Store>
  void Load(Store& store) {
    rndFile = StoredBool(store, stored::kRndFile, rndFile);
    shuffle = StoredBool(store, stored::kShuffle, shuffle);
    if (!Deals()) {
      file = ReadOr([&] { return store.ReadInteger(stored::kSection, stored::kFile, file); }, file);
      folder = ReadOr([&] { return store.ReadInteger(stored::kSection, stored::kFolder, folder); }, folder);
    }
    changeWP = StoredBool(store, stored::kChangeWP, changeWP);
    subfolders = StoredBool(store, stored::kSubfolders, subfolders);
    smallestPart = kSmallestParts[static_cast<std::size_t>(SmallestPartOf(store))];
    sameShape = StoredBool(store, stored::kSameShape, sameShape);
  }
  // Whether the wallpaper was changed on `today` already (Date holds it); when not, Date becomes
  // `today`. A missing Date reads as "00", which no date format gives.
  template <typename Store>
  static bool ChangedAlready(Store& store, const std::string& today) {
    if (store.ReadString(stored::kSection, stored::kDate, "00") == today) return true;
    store.WriteString(stored::kSection, stored::kDate, today);
    return false;
  }
  // Writes File and Folder, in this order.
  template <typename Store>
  static void SaveCounters(Store& store, int nextFile, int nextFolder) {
    store.WriteInteger(stored::kSection, stored::kFile, nextFile);
    store.WriteInteger(stored::kSection, stored::kFolder, nextFolder);
  }
};

}  // namespace settings
