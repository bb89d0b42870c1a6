#include "rotation/NextPictures.h"

#include <windows.h>

#include <algorithm>
#include <optional>
#include <string_view>
#include <utility>

#include "browse/FileListPaths.h"
#include "browse/FolderListFile.h"
#include "browse/PictureListing.h"
#include "pictures/PictureFile.h"
#include "pictures/WicDecoder.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/Module.h"
#include "platform/ShortDate.h"
#include "rotation/Deck.h"
#include "rotation/FolderScan.h"
#include "rotation/KeptFiles.h"
#include "rotation/Library.h"
#include "rotation/RotationChoice.h"
#include "rotation/RotationRandom.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"
#include "settings/UserDataFolder.h"
#include "wallpaper/DisplayMonitors.h"

namespace rotation {
namespace {

using settings::TRotationSettings;

// A kind whose header the program does not read (HEIC, camera RAW) is asked of a helper process,
// which costs a start each: only so often for one monitor.
constexpr int kHelperAsksPerMonitor = 2;
constexpr char kStateFileName[] = "Rotation.state";
constexpr char kProgressFileName[] = "Rotation.progress";

RotationRandom RandomFromClock() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  return RotationRandom(RotationRandom::SeedFromTimeOfDay(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds));
}

std::vector<std::string> ReadFolderList(const ReportMissingList& reportMissingList) {
  browse::TFolderListFile file(platform::ExecutableDirectory(), settings::UserDataFolder());
  file.Locate();
  if (std::optional<std::vector<std::string>> entries = file.Read()) return *entries;
  return reportMissingList(browse::kFolderListMissing);
}

// Whether the picture suits the monitor's shape, from its header alone.
bool SuitsMonitor(const std::string& picture, const wallpaper::Monitor& monitor, int& helperAsks) {
  try {
    const auto size = pictures::PictureFileSize(picture, helperAsks);
    return size && wallpaper::SuitsMonitor(size->width, size->height, monitor.area.width, monitor.area.height);
  } catch (const platform::Exception&) {
    return false;  // unreadable: no better than any other
  }
}

// A missing, unreadable, damaged or foreign file is no state: the rotation starts afresh. The
// progress file counts where it belongs to the state file's deck.
RotationState ReadState() {
  RotationState state = ReadKeptFile(kStateFileName, ParseRotationState).value_or(RotationState{});
  const std::optional<DeckProgress> progress = ReadKeptFile(kProgressFileName, ParseDeckProgress);
  if (progress && progress->generation == state.progress.generation) state.progress = *progress;
  return state;
}

// Written whole or not at all (the state file, when `listingsChanged`, as a new generation; then
// the progress); why not, when it could not be.
std::string WriteState(RotationState& state, bool listingsChanged) {
  if (const std::string missing = MissingDataFolder(); !missing.empty()) return missing;
  try {
    platform::MakeFolder(settings::UserDataFolder());
    if (listingsChanged) {
      ++state.progress.generation;
      platform::ReplacementFile file(KeptFilePath(kStateFileName));
      std::string pending;  // written in pieces of some size: the whole text is never held
      const auto flush = [&] {
        file.Write({reinterpret_cast<const std::uint8_t*>(pending.data()), pending.size()});
        pending.clear();
      };
      WriteRotationState(state, [&](std::string_view line) {
        pending += line;
        if (pending.size() >= 64 * 1024) flush();
      });
      flush();
      file.Commit();
    }
    WriteKeptFile(kProgressFileName, DeckProgressText(state.progress));
    return {};
  } catch (const platform::Exception& error) {
    return error.Message();
  }
}

// The picture list as the main window would show it: the kinds of picture the options choose.
browse::TPictureListing PictureList() {
  browse::TPictureListing listing;
  if (settings::StoredAllPictures()) listing.SetMorePictureKinds(pictures::WicFileExtensions());
  return listing;
}

// The folder and mask an entry lists, as the picture list would take them.
std::pair<std::string, std::string> FolderAndMaskOf(const browse::TPictureListing& listing, const std::string& entry) {
  browse::TPictureListing::Target target = listing.Resolve(entry);
  return {std::move(target.directory), target.pattern.empty() ? listing.ListedMask() : target.pattern};
}

// The picture list's pictures of an entry, as the window lists them (the listing carries its
// folder and mask from one entry to the next); with subfolders, those below it after them, from
// the listings the state file keeps, which are kept again.
class EntryPictures {
 public:
  EntryPictures(bool subfolders, const TExclusions& excluded)
      : excluded_(excluded), state_(subfolders ? std::optional(ReadState()) : std::nullopt) {
    if (state_) library_.emplace(std::move(state_->folders), FoldersOnDisk());
  }
  // An excluded picture counts as if its folder did not list it.
  std::vector<std::string> Of(const std::string& entry, const std::string& selected) {
    std::vector<std::string> paths;
    const auto add = [&](std::string path) {
      if (!excluded_.Excludes(path)) paths.push_back(std::move(path));
    };
    if (!library_) {
      listing_.Apply(entry, selected);
      for (const std::string& name : listing_.Names()) add(browse::JoinPath(listing_.Directory(), name));
      return paths;
    }
    const auto [folder, mask] = FolderAndMaskOf(listing_, entry);
    const std::size_t first = library_->Pictures().size();
    library_->Add(folder, mask, true);
    for (std::size_t i = first; i < library_->Pictures().size(); ++i) add(library_->PathOf(library_->Pictures()[i]));
    return paths;
  }
  // The listings for the next run; why they could not be kept.
  std::string Keep() {
    if (!state_) return {};
    if (!library_->Relisted()) return {};
    state_->folders = std::move(library_->Folders());
    for (ListedFolder& folder : library_->Unreached()) state_->folders.push_back(std::move(folder));
    return WriteState(*state_, true);
  }

 private:
  const TExclusions& excluded_;
  std::optional<RotationState> state_;
  browse::TPictureListing listing_ = PictureList();
  std::optional<TLibrary> library_;
};

// The log-on rotation's own rule, a turn for each monitor: the counters go on from one to the next.
void ChooseInOrder(TRotationSettings stored, const std::vector<std::string>& entries, const TExclusions& excluded,
                   platform::RegistryStore& store, NextPictures& next) {
  const std::size_t turns = std::max<std::size_t>(next.monitors.size(), 1);
  RotationRandom generator = RandomFromClock();
  EntryPictures entryPictures(stored.subfolders, excluded);
  std::string selected;
  for (std::size_t turn = 0; turn < turns; ++turn) {
    const int folder = RotationFolder(stored.folder, static_cast<int>(entries.size()));
    if (entries.empty()) throw platform::EStringListError("List index out of bounds (-1)");
    const std::vector<std::string> pictures = entryPictures.Of(entries[static_cast<std::size_t>(folder)], selected);
    const int count = static_cast<int>(pictures.size());
    int file = stored.file;
    if (stored.rndFile) file = static_cast<int>(generator.Draw(static_cast<std::uint32_t>(count)));
    RotationChoice choice = ChooseRotationPicture(file, folder, count);
    if (stored.rndFile && turns > 1 && count > 0) {
      int helperAsks = kHelperAsksPerMonitor;
      const auto index = [&](int picture) { return pictures[static_cast<std::size_t>(picture)]; };
      choice.picture = PreferredPicture(
          choice.picture, count, [&](int picture) { return SuitsMonitor(index(picture), next.monitors[turn], helperAsks); },
          [&](int picture) { return std::ranges::count(next.pictures, index(picture)) > 0; });
    }
    selected = count > 0 ? pictures[static_cast<std::size_t>(choice.picture)] : std::string();
    // A picture that cannot be opened fails here, before any counter is written: the next run
    // tries it again.
    if (!selected.empty()) {
      const platform::FileReader opened(selected);
    }
    next.pictures.push_back(selected);
    stored.file = choice.picture + 1;
    stored.folder = choice.folder;
  }
  TRotationSettings::SaveCounters(store, stored.file, stored.folder);
  next.stateNotKept = entryPictures.Keep();
  // A folder without pictures in the last turn leaves none selected; another turn's gives way to it.
  if (next.pictures.back().empty()) next.pictures.clear();
  for (std::string& picture : next.pictures)
    if (picture.empty()) picture = selected;
}

// Every picture of every entry once, in a shuffled order, before any repeats.
void Deal(bool subfolders, const std::vector<std::string>& entries, const TExclusions& excluded, NextPictures& next) {
  if (entries.empty()) throw platform::EStringListError("List index out of bounds (-1)");
  RotationState state = ReadState();
  TLibrary library(std::move(state.folders), FoldersOnDisk());
  const browse::TPictureListing listing = PictureList();
  for (const std::string& entry : entries) {
    const auto [folder, mask] = FolderAndMaskOf(listing, entry);
    library.Add(folder, mask, subfolders);
  }
  const std::vector<TLibrary::Picture>& pictures = library.Pictures();
  std::vector<std::uint32_t> placeOf(pictures.size());
  for (std::uint32_t i = 0; i < pictures.size(); ++i) placeOf[i] = library.PlaceOf(pictures[i]);
  const std::optional<std::uint32_t> lastShown = library.IndexOf(state.progress.lastShown);
  RotationRandom generator = RandomFromClock();
  const Draw draw = [&generator](std::uint32_t range) { return generator.Draw(range); };
  TDeck deck = TDeck::Kept(placeOf, state.progress.shown, draw);

  std::vector<std::uint32_t> chosen;
  const std::size_t turns = std::max<std::size_t>(next.monitors.size(), 1);
  for (std::size_t turn = 0; turn < turns && !pictures.empty(); ++turn) {
    int helperAsks = kHelperAsksPerMonitor;
    const auto suits = [&](std::uint32_t picture) {
      return next.monitors.empty() || SuitsMonitor(library.PathOf(pictures[picture]), next.monitors[turn], helperAsks);
    };
    const auto available = [&](std::uint32_t picture) {
      return std::ranges::count(chosen, picture) == 0 &&
             (excluded.Empty() || !excluded.Excludes(library.PathOf(pictures[picture])));
    };
    // A picture removed or renamed since its folder was listed is passed over.
    std::optional<std::uint32_t> taken;
    for (std::size_t tries = 0; tries < pictures.size(); ++tries) {
      taken = deck.Take(suits, available, lastShown, draw);
      if (!taken || platform::FileExists(library.PathOf(pictures[*taken]))) break;
    }
    if (!taken) taken = chosen.empty() ? std::nullopt : std::optional(chosen.back());  // one picture, two monitors
    if (taken) chosen.push_back(*taken);
  }
  for (std::uint32_t picture : chosen) next.pictures.push_back(library.PathOf(pictures[picture]));

  bool listingsChanged = library.Relisted() || !library.Unreached().empty();
  for (std::size_t place = 0; place < deck.Order().size(); ++place) {
    std::uint32_t& placeOfPicture = library.PlaceOf(pictures[deck.Order()[place]]);
    listingsChanged = listingsChanged || placeOfPicture != place;
    placeOfPicture = static_cast<std::uint32_t>(place);
  }
  state.progress.shown = deck.Shown();
  if (!next.pictures.empty()) state.progress.lastShown = next.pictures.back();
  state.folders = std::move(library.Folders());
  next.stateNotKept = WriteState(state, listingsChanged);
}

}  // namespace

NextPictures ChooseNextPictures(OnceADay onceADay, const ReportMissingList& reportMissingList,
                                const std::string& forMonitor) {
  platform::RegistryStore store = settings::OpenSettingsStore();
  TRotationSettings stored;
  stored.Load(store);
  NextPictures next;
  next.changedToday = onceADay == OnceADay::kApplies && stored.changeWP &&
                      TRotationSettings::ChangedAlready(store, platform::TodayShortDate());
  if (next.changedToday) return next;
  const std::vector<std::string> entries = ReadFolderList(reportMissingList);
  next.monitors = MonitorsWithPictures();
  std::vector<wallpaper::Monitor> allMonitors;
  if (const auto only = std::ranges::find(next.monitors, forMonitor, &wallpaper::Monitor::device);
      !forMonitor.empty() && only != next.monitors.end()) {
    std::vector<wallpaper::Monitor> chosenFor{*only};
    allMonitors = std::exchange(next.monitors, std::move(chosenFor));
  }
  const TExclusions excluded = ReadExclusions();
  if (stored.Deals())
    Deal(stored.subfolders, entries, excluded, next);
  else
    ChooseInOrder(stored, entries, excluded, store, next);
  if (!allMonitors.empty() && !next.pictures.empty()) {
    next.pictures = PicturesKeepingTheOthers(allMonitors, next.monitors.front().device, next.pictures.front());
    next.monitors = std::move(allMonitors);
  }
  return next;
}

std::vector<std::string> PicturesKeepingTheOthers(const std::vector<wallpaper::Monitor>& monitors,
                                                  const std::string& changed, const std::string& picture) {
  std::vector<std::string> pictures;
  for (const wallpaper::Monitor& monitor : monitors) {
    std::string kept = monitor.device == changed ? picture : settings::StoredMonitorPicture(monitor.device);
    if (kept.empty() || !platform::FileExists(kept)) kept = picture;
    pictures.push_back(std::move(kept));
  }
  return pictures;
}

std::vector<wallpaper::Monitor> MonitorsWithPictures() {
  if (!settings::StoredPerMonitor()) return {};
  std::vector<wallpaper::Monitor> monitors = wallpaper::DisplayMonitors();
  return monitors.size() >= 2 ? monitors : std::vector<wallpaper::Monitor>();
}

}  // namespace rotation
