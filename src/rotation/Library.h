// The pictures the rotation chooses from: of each selected folder its own, then, with subfolders,
// those of every folder below it, depth first, in the folder tree's order. Each folder is listed
// again only when its last-write time changed since the rotation's state file listed it; a folder
// that cannot be read is passed over, and one reached twice counts once. Needs no Windows: the
// folders are read through a source (rotation/FolderScan.h).
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <unordered_map>
#include <unordered_set>
#include <vector>

#include "rotation/RotationState.h"

namespace rotation {

// Where the folders are read: their last-write times and their listings; nothing for a folder
// that cannot be read.
struct FolderSource {
  std::function<std::optional<std::uint64_t>(const std::string& folder)> written;
  std::function<std::optional<ListedFolder>(const std::string& folder, const std::string& mask)> list;
};

class TLibrary {
 public:
  // `kept`: the folders as the state file keeps them (their listings and deck places). Their
  // last-write times are read at once, on each processor: a library of thousands of folders is
  // looked at by every timed run.
  TLibrary(std::vector<ListedFolder> kept, FolderSource source);

  // The folder's pictures for `mask`, and those of the folders below it when asked.
  void Add(const std::string& folder, const std::string& mask, bool withSubfolders);

  struct Picture {
    std::uint32_t folder;
    std::uint32_t index;
  };
  // Every picture added, in order.
  const std::vector<Picture>& Pictures() const { return pictures_; }
  std::string PathOf(Picture picture) const;
  // The number of the picture at `path` among Pictures(); nothing when it is none of them.
  std::optional<std::uint32_t> IndexOf(const std::string& path) const;
  std::uint32_t& PlaceOf(Picture picture) { return folders_[picture.folder].places[picture.index]; }
  // The folders listed for the pictures, for the state file.
  std::vector<ListedFolder>& Folders() { return folders_; }
  // The kept folders that were not reached, as they were kept; once.
  std::vector<ListedFolder> Unreached();
  // Whether a folder was listed again (or for the first time).
  bool Relisted() const { return relisted_; }

 private:
  // The folder as it is now: the kept listing when the folder was not written since, else listed
  // again with the deck places of the names it kept.
  std::optional<ListedFolder> Current(const std::string& folder, const std::string& mask);

  FolderSource source_;
  std::vector<ListedFolder> kept_;
  std::vector<std::optional<std::uint64_t>> keptWritten_;  // each kept folder's time now
  std::unordered_map<std::string, std::size_t> keptByKey_;
  std::unordered_set<std::string> added_;
  std::vector<ListedFolder> folders_;
  std::vector<Picture> pictures_;
  bool relisted_ = false;
};

}  // namespace rotation
