// The folders the rotation chooses from: of each selected folder its own pictures, then, with
// subfolders, those of every folder below it, depth first. Each folder is listed again only when
// its last-write time changed since the rotation's state file listed it (or with another mask); a
// folder that cannot be read now (a share offline, a card out) keeps the listing it had, its deck
// places with it, and is away for the run; one never listed that cannot be read is passed over.
// A picture listed for the first time, or whose file was written since, has its size read again;
// a kept listing with sizes never read (an older state file's) is listed again for them.
// Folders are told apart as Windows tells paths apart (platform/Paths.h). Needs no Windows: the
// folders are read through a source (rotation/FolderScan.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <vector>

#include "rotation/RotationState.h"

namespace rotation {

// Where the folders are read. Without `written`, a kept listing is taken as it is, unasked: a run
// that first makes its change from what it kept. Without `orderSubfolders`, subfolders are
// walked in the order they were listed.
struct FolderSource {
  // The folder's last-write time; nothing for a folder that cannot be read.
  std::function<std::optional<std::uint64_t>(const std::string& folder)> written;
  // Its listing for the mask, its subfolders in any order; nothing when it cannot be read.
  std::function<std::optional<ListedFolder>(const std::string& folder, const std::string& mask)> list;
  // Puts a folder's subfolders' names in the folder tree's order.
  std::function<void(const std::string& folder, std::vector<std::string>& names)> orderSubfolders;
  // The width and height a picture's header gives (0 x 0: none). Without it, sizes are not read.
  std::function<ListedSize(const std::string& picture)> size;
};

// Each folder's last-write time, read on up to four threads: a library of thousands of folders is
// looked at by every timed run.
std::vector<std::optional<std::uint64_t>> WrittenTimes(
    const std::vector<std::string>& folders,
    const std::function<std::optional<std::uint64_t>(const std::string& folder)>& written);

class TLibrary {
 public:
  // `kept`: the folders as the state file keeps them (their listings and deck places). With a
  // source that tells their last-write times, they are read at once.
  TLibrary(std::vector<ListedFolder> kept, FolderSource source);

  // The folders a selected folder lists, its own first, then with `withSubfolders` those below
  // it, depth first; the same folder (and number) however often it is reached. Away ones are
  // among them.
  std::vector<std::uint32_t> Folders(const std::string& folder, const std::string& mask, bool withSubfolders);

  const ListedFolder& Listing(std::uint32_t folder) const { return folders_[folder]; }
  // A folder that could not be read in this run: its pictures cannot be shown now.
  bool Away(std::uint32_t folder) const { return away_[folder]; }
  std::string PathOf(std::uint32_t folder, std::uint32_t picture) const;
  std::uint32_t& PlaceOf(std::uint32_t folder, std::uint32_t picture) { return folders_[folder].places[picture]; }

  // The listings for the state file: every folder reached, and the kept ones not reached whose
  // folder `stillSelected` (a selected folder, or one below it with subfolders); the others go.
  std::vector<ListedFolder> ListingsToKeep(const std::function<bool(const std::string& folder)>& stillSelected);
  // Whether those differ from the listings kept: a folder listed again (or for the first time),
  // or one that went.
  bool Changed() const { return changed_; }

 private:
  // The folder as it is now, and whether it is away: the kept listing when it was not written
  // since, else listed again with the deck places of the names it kept; nothing when it cannot be
  // read and was never listed.
  std::optional<std::pair<ListedFolder, bool>> Current(const std::string& folder, const std::string& mask);
  // The kept listing of the folder not taken yet, one of the same mask first; nothing when none.
  std::optional<std::size_t> TakeKept(const std::string& folder, const std::string& mask);
  // Whether a kept listing has every picture's size the source reads.
  bool Sized(const ListedFolder& kept) const;
  // The places and sizes of the pictures a new listing has of the kept one, by name; the sizes of
  // the others read.
  void KeepPlacesAndSizes(ListedFolder& listed, const ListedFolder* kept) const;

  FolderSource source_;
  std::vector<ListedFolder> kept_;
  std::vector<std::optional<std::uint64_t>> keptWritten_;  // each kept folder's time now
  std::vector<bool> keptTaken_;
  std::unordered_multimap<std::string, std::size_t> keptByFolder_;
  std::unordered_map<std::string, std::uint32_t> reached_;  // by folder and mask
  std::vector<ListedFolder> folders_;
  std::vector<bool> away_;
  bool changed_ = false;
};

}  // namespace rotation
