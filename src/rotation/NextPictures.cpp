#include "rotation/NextPictures.h"

#include <windows.h>

#include <algorithm>
#include <memory>
#include <numeric>
#include <optional>
#include <span>
#include <string_view>
#include <unordered_map>
#include <utility>

#include "browse/FileListPaths.h"
#include "browse/FolderListFile.h"
#include "browse/PictureListing.h"
#include "pictures/PictureFile.h"
#include "pictures/WicDecoder.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "platform/Module.h"
#include "platform/Paths.h"
#include "platform/ShortDate.h"
#include "rotation/Deck.h"
#include "rotation/FolderIndex.h"
#include "rotation/FolderScan.h"
#include "rotation/KeptFiles.h"
#include "rotation/Library.h"
#include "rotation/PictureFit.h"
#include "rotation/RotationChoice.h"
#include "rotation/RotationRandom.h"
#include "settings/DayNightStore.h"
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

// A picture's size as its listing keeps it (`listed`); else its header's, and for a kind whose header
// the program does not read, the helper's while `helperAsks` last. None when none gives one. The
// picture's path (`pathOf()`) is made only when it is read.
template <typename PathOf>
std::optional<pictures::PictureSize> SizeOf(const PathOf& pathOf, const ListedSize& listed, int& helperAsks) {
  if (listed.width > 0 && listed.height > 0)
    return pictures::PictureSize{static_cast<int>(listed.width), static_cast<int>(listed.height)};
  if (listed.written != 0 && helperAsks <= 0) return std::nullopt;
  const std::string picture = pathOf();
  if (listed.written != 0 && !pictures::IsImagingComponentKind(picture)) return std::nullopt;
  try {
    return pictures::PictureFileSize(picture, helperAsks);
  } catch (const platform::Exception&) {
    return std::nullopt;  // unreadable: no better than any other
  }
}

// Pictures' sizes are read as they are listed while they count.
PictureSizes SizesOf(const TRotationSettings& stored) {
  return stored.Filters() ? PictureSizes::kRead : PictureSizes::kLeft;
}

// A selected folder as the rotation reads its entry: from the entry's own text, with the mask the
// picture list would list it with. An entry that names no place of its own names none.
std::optional<SelectedFolder> SelectedFolderOf(const std::string& entry, const std::string& listedMask) {
  std::optional<browse::EntryPlace> place = browse::PlaceOfEntry(entry);
  if (!place) return std::nullopt;
  return SelectedFolder{std::move(place->folder), place->pattern.empty() ? listedMask : std::move(place->pattern)};
}
std::string ListedMask() {
  return settings::StoredAllPictures() ? browse::PictureMask(pictures::WicFileExtensions()) : browse::kPictureMask;
}
std::vector<SelectedFolder> SelectedFolders(const std::vector<std::string>& entries) {
  const std::string listedMask = ListedMask();
  std::vector<SelectedFolder> selected;
  for (const std::string& entry : entries)
    if (std::optional<SelectedFolder> folder = SelectedFolderOf(entry, listedMask))
      selected.push_back(std::move(*folder));
  return selected;
}

// Whether a kept folder's listing still belongs to the rotation: a selected folder's, or with
// subfolders one below it. Others leave the state file.
std::function<bool(const std::string&)> StillSelected(const std::vector<SelectedFolder>& selected, bool subfolders) {
  std::vector<std::string> keys;
  for (const SelectedFolder& folder : selected) keys.push_back(platform::PathKey(folder.folder));
  return [keys = std::move(keys), subfolders](const std::string& folder) {
    const std::string key = platform::PathKey(folder);
    return std::ranges::any_of(keys, [&](const std::string& selectedKey) {
      if (key == selectedKey) return true;
      const std::string below = selectedKey.ends_with('\\') ? selectedKey : selectedKey + '\\';
      return subfolders && key.starts_with(below);
    });
  };
}

// The folders' index of listings about to be kept, for a rotation of `selected`.
FolderIndex IndexOf(const std::vector<ListedFolder>& listings, bool subfolders, std::vector<SelectedFolder> selected) {
  FolderIndex index{.generation = 0, .subfolders = subfolders, .selected = std::move(selected), .folders = {}};
  for (const ListedFolder& folder : listings) index.folders.push_back({folder.written, folder.path});
  return index;
}

// Each monitor's turn: the picture it keeps (a change for one monitor keeps the others'), or a
// new one to take, and what it asks of a picture. One turn, for the desktop's one picture, without
// monitors.
struct Turns {
  std::vector<wallpaper::Monitor> monitors;
  std::vector<std::string> kept;  // empty: the turn takes a new picture
  std::vector<FitRules> rules;

  std::size_t Count() const { return std::max<std::size_t>(monitors.size(), 1); }
  // Whether `picture` is one that another monitor keeps.
  bool Keeps(const std::string& picture) const {
    return std::ranges::any_of(
        kept, [&](const std::string& keptPicture) { return platform::SamePath(keptPicture, picture); });
  }
};
// A monitor's own picture is measured by the monitor; the one picture of every monitor by the
// largest (each shows it whole, or tiled from its corner). At random, a monitor of its own
// prefers its shape.
std::vector<FitRules> FitRulesOf(const std::vector<wallpaper::Monitor>& monitors, const TRotationSettings& stored) {
  std::vector<wallpaper::PixelRect> areas;
  for (const wallpaper::Monitor& monitor : monitors) areas.push_back(monitor.area);
  if (areas.empty()) {
    const std::vector<wallpaper::Monitor> all = stored.Filters() ? wallpaper::DisplayMonitors() : monitors;
    const auto largest = std::ranges::max_element(all, {}, [](const wallpaper::Monitor& monitor) {
      return std::int64_t{monitor.area.width} * monitor.area.height;
    });
    areas.push_back(largest == all.end() ? wallpaper::PixelRect() : largest->area);
  }
  std::vector<FitRules> rules;
  for (const wallpaper::PixelRect& area : areas)
    rules.push_back({.width = area.width,
                     .height = area.height,
                     .smallestPart = stored.smallestPart,
                     .sameShape = stored.sameShape,
                     .prefersShape = stored.rndFile && !monitors.empty()});
  return rules;
}

Turns TurnsOf(const Change* shownNow, const std::string& forMonitor, const TExclusions& excluded,
              const TRotationSettings& stored) {
  Turns turns{.monitors = MonitorsWithPictures(), .kept = {}, .rules = {}};
  turns.rules = FitRulesOf(turns.monitors, stored);
  turns.kept.resize(turns.Count());
  if (forMonitor.empty() || std::ranges::count(turns.monitors, forMonitor, &wallpaper::Monitor::device) == 0)
    return turns;
  for (std::size_t i = 0; i < turns.monitors.size(); ++i)
    if (turns.monitors[i].device != forMonitor)
      turns.kept[i] = ShowablePicture(shownNow, turns.monitors[i].device, excluded);
  return turns;
}

// The pictures of folders that can be shown now, each folder's as the picture list counts them:
// those of an away folder cannot be, and an excluded one counts as if its folder did not list it.
struct ListedPicture {
  std::string path;
  ListedSize size;
};
std::vector<ListedPicture> ShowableOf(const TLibrary& library, const std::vector<std::uint32_t>& folders,
                                     const TExclusions& excluded) {
  std::vector<ListedPicture> pictures;
  for (const std::uint32_t folder : folders) {
    if (library.Away(folder)) continue;
    const ListedFolder& listing = library.Listing(folder);
    std::vector<std::string> names;
    std::unordered_map<std::string_view, ListedSize> sizes;
    for (std::uint32_t picture = 0; picture < listing.pictures.Size(); ++picture) {
      names.emplace_back(listing.pictures[picture]);
      sizes.emplace(listing.pictures[picture], listing.SizeAt(picture));
    }
    browse::SortAsTheListSorts(names);
    for (const std::string& name : names)
      if (std::string path = browse::JoinPath(listing.path, name); !excluded.Excludes(path))
        pictures.push_back({std::move(path), sizes.at(name)});
  }
  return pictures;
}

// The log-on rotation's own rule, a turn for each monitor that takes a new picture: the counters go
// on from one to the next. With subfolders, the listings the state file keeps are read, and kept
// again.
NextPictures ChooseInOrder(TRotationSettings stored, const std::vector<std::string>& entries,
                           const std::vector<bool>& fitting, const TExclusions& excluded, const Turns& turns,
                           platform::RegistryStore& store) {
  const std::string listedMask = ListedMask();
  const DeckFiles files = DeckFilesOf("");
  const auto state = std::make_shared<Kept<RotationState>>();
  // Listings are kept for the folders below the selected ones, and for the pictures' sizes.
  const bool keepsListings = stored.subfolders || stored.Filters();
  if (keepsListings) *state = ReadRotationState(files);
  const auto library = std::make_shared<TLibrary>(
      std::move(state->content.folders),
      FoldersOnDisk(SubfolderOrder::kTree, SizesOf(stored)));
  RotationRandom generator = RandomFromClock();
  NextPictures next{.changedToday = false, .monitors = turns.monitors, .pictures = turns.kept, .keepState = {}};
  std::string selectedPicture;
  for (std::size_t turn = 0; turn < turns.Count(); ++turn) {
    if (!turns.kept[turn].empty()) continue;
    const int folder = RotationFolder(stored.folder, static_cast<int>(entries.size()),
                                      [&](int entry) { return fitting[static_cast<std::size_t>(entry)]; });
    if (entries.empty()) throw platform::EStringListError("List index out of bounds (-1)");
    // An entry that names no place of its own lists nothing, as a folder without pictures.
    std::vector<ListedPicture> pictures;
    if (const auto selected = SelectedFolderOf(entries[static_cast<std::size_t>(folder)], listedMask))
      pictures = ShowableOf(*library, library->Folders(selected->folder, selected->mask, stored.subfolders), excluded);
    const int count = static_cast<int>(pictures.size());
    int file = stored.file;
    if (stored.rndFile) file = static_cast<int>(generator.Draw(static_cast<std::uint32_t>(count)));
    RotationChoice choice = ChooseRotationPicture(file, folder, count);
    if (count > 0 && (turns.monitors.size() > 1 || stored.Filters())) {
      int helperAsks = kHelperAsksPerMonitor;
      const auto picture = [&](int index) -> const ListedPicture& { return pictures[static_cast<std::size_t>(index)]; };
      choice.picture = PreferredPicture(
          choice.picture, count,
          [&](int index) {
            return std::ranges::any_of(next.pictures, [&](const std::string& taken) {
              return platform::SamePath(taken, picture(index).path);
            });
          },
          [&](int index) { return SizeOf([&] { return picture(index).path; }, picture(index).size, helperAsks); },
          turns.rules[turn]);
    }
    selectedPicture = count > 0 ? pictures[static_cast<std::size_t>(choice.picture)].path : std::string();
    // A picture that cannot be opened fails here, before any counter is written: the next run
    // tries it again.
    if (!selectedPicture.empty()) {
      const platform::FileReader opened(selectedPicture);
    }
    next.pictures[turn] = selectedPicture;
    stored.file = choice.picture + 1;
    stored.folder = choice.folder;
  }
  TRotationSettings::SaveCounters(store, stored.file, stored.folder);
  // A folder without pictures in the last turn leaves none selected; another turn's gives way to it.
  if (selectedPicture.empty()) next.pictures.clear();
  for (std::string& picture : next.pictures)
    if (picture.empty()) picture = selectedPicture;
  if (keepsListings)
    next.keepState = [files, state, library, selected = SelectedFolders(entries), subfolders = stored.subfolders] {
      state->content.folders = library->ListingsToKeep(StillSelected(selected, subfolders));
      return library->Changed() ? KeepRotationState(files, *state, true, {},
                                                    IndexOf(state->content.folders, subfolders, selected))
                                : std::string();
    };
  return next;
}

// Every picture of every selected folder once, in a shuffled order, before any repeats: the deck
// of the state file. The change is made first from what was kept: the pictures the progress file
// says come next, or the state's listings as they were; the folders are looked at for pictures
// added or removed after it (keepState), so that a change costs little more than setting the
// picture. A picture added meanwhile is dealt from the next run on.
class TDealing {
 public:
  // `files`: the deck of all the selected folders, or of a phase's.
  TDealing(const std::vector<std::string>& entries, const TRotationSettings& stored, DeckFiles files)
      : files_(std::move(files)),
        selected_(SelectedFolders(entries)),
        subfolders_(stored.subfolders),
        sizes_(SizesOf(stored)),
        stillSelected_(StillSelected(selected_, subfolders_)) {}

  // A new picture for each turn that takes one: of those the progress file names, else of the
  // deck's state as kept, else of the folders as they are now (what was kept has nothing left).
  void Take(const Turns& turns, const TExclusions& excluded, NextPictures& next) {
    if (TakeUpcoming(turns, excluded, next)) return;
    next.pictures = turns.kept;
    TakeFromState(turns, excluded, KeptFolders(sizes_), next);
    if (!next.pictures.empty()) return;
    next.pictures = turns.kept;
    TakeFromState(turns, excluded, FoldersOnDisk(SubfolderOrder::kAny, sizes_), next);
  }

  // After the change: when the folders are as the index says and the pictures taken were the next
  // ones, the progress alone; else the folders looked at again, the deck kept for what they hold
  // now, and written.
  std::string Keep() {
    if (headsTaken_ > 0 && headsTaken_ == taken_.size() && FoldersAsIndexed()) {
      ProgressFile& file = progress_.content;
      file.progress.shown += headsTaken_;
      file.progress.lastShown = lastShown_;
      file.upcoming.erase(file.upcoming.begin(), file.upcoming.begin() + static_cast<std::ptrdiff_t>(headsTaken_));
      return KeepProgressFile(files_, progress_);
    }
    if (!state_) state_ = ReadRotationState(files_);
    const bool indexed = IndexMatches(state_->content.progress.generation);
    // Listings this run made are as the folders are: only kept ones are looked at again.
    TLibrary library(std::move(state_->content.folders),
                     listedAll_ ? KeptFolders(sizes_) : FoldersOnDisk(SubfolderOrder::kAny, sizes_));
    const std::vector<Picture> pictures = Walk(library);
    TDeck deck = KeptDeck(library, pictures);
    for (const std::string& path : taken_)
      if (const std::optional<std::uint32_t> number = NumberOf(library, pictures, path)) deck.Shows(*number);
    KeepPlaces(library, pictures, deck);
    state_->content.progress.lastShown = lastShown_;
    std::vector<UpcomingPicture> upcoming;
    for (std::size_t place = deck.Shown(); place < deck.Order().size() && upcoming.size() < kUpcoming; ++place) {
      const Picture picture = pictures[deck.Order()[place]];
      upcoming.push_back({PathOf(library, picture), SizeIn(library, picture)});
    }
    state_->content.folders = library.ListingsToKeep(stillSelected_);
    return KeepRotationState(files_, *state_, changed_ || library.Changed() || !indexed, upcoming,
                             IndexOf(state_->content.folders, subfolders_, selected_));
  }

 private:
  struct Picture {
    std::uint32_t folder;
    std::uint32_t index;
  };

  static std::string PathOf(const TLibrary& library, Picture picture) {
    return library.PathOf(picture.folder, picture.index);
  }
  static ListedSize SizeIn(const TLibrary& library, Picture picture) {
    return library.Listing(picture.folder).SizeAt(picture.index);
  }

  // From the progress file's next pictures: each turn the first of them that can be shown and fits
  // the monitor outright (of its shape among the first kShapeLookAhead). False when one turn finds
  // none: the deck as a whole may hold one, or the largest there is.
  bool TakeUpcoming(const Turns& turns, const TExclusions& excluded, NextPictures& next) {
    progress_ = ReadProgressFile(files_);
    const std::vector<UpcomingPicture>& upcoming = progress_.content.upcoming;
    for (std::size_t turn = 0; turn < turns.Count(); ++turn) {
      if (!turns.kept[turn].empty()) continue;
      int helperAsks = kHelperAsksPerMonitor;
      const auto available = [&](std::size_t i) {
        const std::string& path = upcoming[i].path;
        return std::ranges::none_of(taken_,
                                    [&](const std::string& taken) { return platform::SamePath(taken, path); }) &&
               !turns.Keeps(path) && !excluded.Excludes(path) && platform::FileExists(path);
      };
      const auto size = [&](std::size_t i) {
        return SizeOf([&] { return upcoming[i].path; }, upcoming[i].size, helperAsks);
      };
      const FitRules& rules = turns.rules[turn];
      const std::optional<std::size_t> found =
          FirstFitting({.count = upcoming.size(), .available = available, .size = size}, rules, rules.sameShape);
      if (!found) {
        taken_.clear();
        headsTaken_ = 0;
        return false;
      }
      if (*found == headsTaken_ && headsTaken_ == taken_.size()) ++headsTaken_;
      taken_.push_back(upcoming[*found].path);
      next.pictures[turn] = upcoming[*found].path;
    }
    lastShown_ = next.pictures;
    return true;
  }

  // From the deck of the state file, its folders read through `source`.
  void TakeFromState(const Turns& turns, const TExclusions& excluded, const FolderSource& source, NextPictures& next) {
    if (!state_) state_ = ReadRotationState(files_);
    listedAll_ = state_->content.folders.empty();
    TLibrary library(std::move(state_->content.folders), source);
    std::vector<Picture> pictures = Walk(library);
    TDeck deck = KeptDeck(library, pictures);
    std::vector<std::uint32_t> lastShown;
    for (const std::string& path : state_->content.progress.lastShown)
      if (const std::optional<std::uint32_t> number = NumberOf(library, pictures, path)) lastShown.push_back(*number);

    std::vector<std::uint32_t> everyPicture(pictures.size());
    std::iota(everyPicture.begin(), everyPicture.end(), 0u);
    std::vector<std::uint32_t> chosen;
    for (std::size_t turn = 0; turn < turns.Count() && !pictures.empty(); ++turn) {
      if (!turns.kept[turn].empty()) continue;
      int helperAsks = kHelperAsksPerMonitor;
      const auto path = [&](std::uint32_t picture) { return PathOf(library, pictures[picture]); };
      // Another monitor's picture only when there are no more pictures than monitors.
      const auto showable = [&](std::uint32_t picture, bool besideOthers) {
        const std::string picturePath = path(picture);
        return !library.Away(pictures[picture].folder) && !excluded.Excludes(picturePath) &&
               (!besideOthers || (std::ranges::count(chosen, picture) == 0 && !turns.Keeps(picturePath))) &&
               platform::FileExists(picturePath);
      };
      std::vector<std::uint32_t> notFirst = lastShown;
      notFirst.insert(notFirst.end(), chosen.begin(), chosen.end());
      const auto candidates = [&](std::span<const std::uint32_t> numbers, bool besideOthers) {
        return Candidates{.count = numbers.size(),
                          .available = [&, numbers, besideOthers](std::size_t i) {
                            return showable(numbers[i], besideOthers);
                          },
                          .size = [&, numbers](std::size_t i) {
                            return SizeOf([&] { return path(numbers[i]); }, SizeIn(library, pictures[numbers[i]]),
                                          helperAsks);
                          }};
      };
      // Of the deck's next pictures, the first that fits while the library holds one; else the
      // largest: a new deck is dealt only when none of them fits.
      const FitRules& rules = turns.rules[turn];
      const Candidates whole = candidates(everyPicture, false);
      const bool shapeOnly = TakesOnlyItsShape(whole, rules);
      const bool anyFits = FirstFitting(whole, rules, shapeOnly).has_value();
      const auto pick = [&](bool besideOthers) {
        return [&, besideOthers](std::span<const std::uint32_t> notShown) {
          const Candidates next = candidates(notShown, besideOthers);
          return anyFits ? FirstFitting(next, rules, shapeOnly) : Largest(next, rules, shapeOnly);
        };
      };
      std::optional<std::uint32_t> taken = deck.Take(pick(true), notFirst, draw_);
      if (!taken) taken = deck.Take(pick(false), notFirst, draw_);
      if (!taken) continue;
      chosen.push_back(*taken);
      next.pictures[turn] = path(*taken);
    }
    if (std::ranges::any_of(next.pictures, &std::string::empty)) next.pictures.clear();
    KeepPlaces(library, pictures, deck);
    lastShown_ = next.pictures;
    state_->content.folders = library.ListingsToKeep(stillSelected_);
    changed_ = changed_ || library.Changed();
  }

  // Whether the folders' index is of the state's generation and made for the folders selected now.
  bool IndexMatches(std::uint64_t generation) {
    if (!indexRead_) index_ = ReadFolderIndex(files_);
    indexRead_ = true;
    return index_ && index_->generation == generation && index_->subfolders == subfolders_ &&
           index_->selected == selected_;
  }

  // Whether every folder the state keeps is as it was when the state was written: not one written
  // since, none away, the same selection. The state then holds what the folders hold.
  bool FoldersAsIndexed() {
    if (!IndexMatches(progress_.content.progress.generation)) return false;
    std::vector<std::string> paths;
    for (const IndexedFolder& folder : index_->folders) paths.push_back(folder.path);
    const std::vector<std::optional<std::uint64_t>> times = WrittenTimes(paths, FolderWritten);
    for (std::size_t i = 0; i < times.size(); ++i)
      if (times[i] != index_->folders[i].written) return false;
    return true;
  }

  // Every picture of the selected folders, each folder once however often it is reached.
  std::vector<Picture> Walk(TLibrary& library) const {
    std::vector<Picture> pictures;
    std::vector<bool> walked;
    for (const SelectedFolder& selected : selected_) {
      for (const std::uint32_t folder : library.Folders(selected.folder, selected.mask, subfolders_)) {
        if (folder >= walked.size()) walked.resize(folder + 1);
        if (walked[folder]) continue;
        walked[folder] = true;
        for (std::uint32_t index = 0; index < library.Listing(folder).pictures.Size(); ++index)
          pictures.push_back({folder, index});
      }
    }
    return pictures;
  }

  // The number of the picture at `path` among `pictures`; its folder's path compared once.
  static std::optional<std::uint32_t> NumberOf(const TLibrary& library, const std::vector<Picture>& pictures,
                                               const std::string& path) {
    const std::string folderKey = platform::PathKey(platform::ExtractFileDir(path));
    const std::string_view name = std::string_view(path).substr(path.find_last_of('\\') + 1);
    std::optional<std::uint32_t> lastFolder;
    bool inFolder = false;
    for (std::uint32_t number = 0; number < pictures.size(); ++number) {
      const Picture picture = pictures[number];
      if (picture.folder != lastFolder) {
        lastFolder = picture.folder;
        inFolder = platform::PathKey(library.Listing(picture.folder).path) == folderKey;
      }
      if (inFolder && platform::SamePath(library.Listing(picture.folder).pictures[picture.index], name)) return number;
    }
    return std::nullopt;
  }

  TDeck KeptDeck(TLibrary& library, const std::vector<Picture>& pictures) {
    std::vector<std::uint32_t> placeOf(pictures.size());
    for (std::size_t i = 0; i < pictures.size(); ++i)
      placeOf[i] = library.PlaceOf(pictures[i].folder, pictures[i].index);
    return TDeck::Kept(placeOf, state_->content.progress.shown, draw_);
  }

  // Each picture's place in the deck, as the state file keeps it.
  void KeepPlaces(TLibrary& library, const std::vector<Picture>& pictures, const TDeck& deck) {
    for (std::size_t place = 0; place < deck.Order().size(); ++place) {
      const Picture picture = pictures[deck.Order()[place]];
      std::uint32_t& kept = library.PlaceOf(picture.folder, picture.index);
      changed_ = changed_ || kept != place;
      kept = static_cast<std::uint32_t>(place);
    }
    state_->content.progress.shown = deck.Shown();
  }

  DeckFiles files_;
  std::vector<SelectedFolder> selected_;
  bool subfolders_;
  PictureSizes sizes_;
  std::function<bool(const std::string&)> stillSelected_;
  Kept<ProgressFile> progress_;
  std::optional<Kept<RotationState>> state_;
  bool indexRead_ = false;
  std::optional<FolderIndex> index_;
  std::vector<std::string> taken_;  // the pictures taken from the progress file's
  std::size_t headsTaken_ = 0;      // how many of them were its first ones, in turn
  std::vector<std::string> lastShown_;
  bool listedAll_ = false;  // every listing was made in this run, none kept
  bool changed_ = false;
  RotationRandom generator_ = RandomFromClock();
  Draw draw_ = [this](std::uint32_t range) { return generator_.Draw(range); };
};

NextPictures Deal(const TRotationSettings& stored, const std::vector<std::string>& entries,
                  const TExclusions& excluded, const Turns& turns, DeckFiles files) {
  if (entries.empty()) throw platform::EStringListError("List index out of bounds (-1)");
  const auto dealing = std::make_shared<TDealing>(entries, stored, std::move(files));
  NextPictures next{.changedToday = false, .monitors = turns.monitors, .pictures = turns.kept, .keepState = {}};
  dealing->Take(turns, excluded, next);
  next.keepState = [dealing] { return dealing->Keep(); };
  return next;
}

}  // namespace

NextPictures ChooseNextPictures(OnceADay onceADay, const ReportMissingList& reportMissingList, const Change* shownNow,
                                const settings::DayNightNow& dayNight, const std::string& forMonitor) {
  platform::RegistryStore store = settings::OpenSettingsStore();
  TRotationSettings stored;
  stored.Load(store);
  if (onceADay == OnceADay::kApplies && stored.changeWP &&
      TRotationSettings::ChangedAlready(store, platform::TodayShortDate()))
    return {.changedToday = true, .monitors = {}, .pictures = {}, .keepState = {}};
  const std::vector<std::string> entries = ReadFolderList(reportMissingList);
  const TExclusions excluded = ReadExclusions();
  const Turns turns = TurnsOf(shownNow, forMonitor, excluded, stored);
  // With day and night, the entries of the phase (every one when none is), and a deck of theirs.
  std::vector<bool> fitting(entries.size(), true);
  if (dayNight.Chooses()) {
    const settings::TFolderPhases phases = settings::ReadFolderPhases();
    std::vector<settings::ShownWhen> shownWhen;
    for (const std::string& entry : entries) shownWhen.push_back(phases.Of(entry));
    fitting.assign(entries.size(), false);
    for (const std::size_t entry : settings::EntriesOfPhase(shownWhen, *dayNight.phase)) fitting[entry] = true;
  }
  if (!stored.Deals()) return ChooseInOrder(stored, entries, fitting, excluded, turns, store);
  std::vector<std::string> dealt;
  for (std::size_t entry = 0; entry < entries.size(); ++entry)
    if (fitting[entry]) dealt.push_back(entries[entry]);
  const bool day = dayNight.Chooses() && *dayNight.phase == schedule::Phase::kDay;
  return Deal(stored, dealt, excluded, turns,
              DeckFilesOf(!dayNight.Chooses() ? "" : day ? "day" : "night"));
}

std::vector<wallpaper::Monitor> MonitorsWithPictures() {
  if (!settings::StoredPerMonitor()) return {};
  std::vector<wallpaper::Monitor> monitors = wallpaper::DisplayMonitors();
  return monitors.size() >= 2 ? monitors : std::vector<wallpaper::Monitor>();
}

bool CanShow(const std::string& picture, const TExclusions& excluded) {
  return !picture.empty() && !excluded.Excludes(picture) && platform::FileExists(picture);
}

std::string ShowablePicture(const Change* change, const std::string& monitor, const TExclusions& excluded) {
  const ShownPicture* shown = change ? PictureOnMonitor(*change, monitor) : nullptr;
  return shown && CanShow(shown->path, excluded) ? shown->path : std::string();
}

}  // namespace rotation
