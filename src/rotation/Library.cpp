#include "rotation/Library.h"

#include <algorithm>
#include <string_view>
#include <thread>

#include "browse/FileListPaths.h"
#include "platform/Paths.h"

namespace rotation {
namespace {

// A folder listed with another mask is another listing within a run.
std::string ReachedKey(const std::string& folder, const std::string& mask) {
  return platform::PathKey(folder) + "|" + mask;
}

std::vector<std::string> Names(const NameList& list) {
  std::vector<std::string> names;
  names.reserve(list.Size());
  for (std::size_t i = 0; i < list.Size(); ++i) names.emplace_back(list[i]);
  return names;
}

}  // namespace

std::vector<std::optional<std::uint64_t>> WrittenTimes(
    const std::vector<std::string>& folders,
    const std::function<std::optional<std::uint64_t>(const std::string& folder)>& written) {
  std::vector<std::optional<std::uint64_t>> times(folders.size());
  const std::size_t workers = folders.size() < 64 ? 1 : std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  const auto readTimes = [&](std::size_t first) {
    for (std::size_t i = first; i < folders.size(); i += workers) times[i] = written(folders[i]);
  };
  std::vector<std::thread> helpers;
  for (std::size_t worker = 1; worker < workers; ++worker) helpers.emplace_back(readTimes, worker);
  readTimes(0);
  for (std::thread& helper : helpers) helper.join();
  return times;
}

TLibrary::TLibrary(std::vector<ListedFolder> kept, FolderSource source)
    : source_(std::move(source)), kept_(std::move(kept)), keptWritten_(kept_.size()), keptTaken_(kept_.size()) {
  std::vector<std::string> paths;
  for (std::size_t i = 0; i < kept_.size(); ++i) {
    keptByFolder_.emplace(platform::PathKey(kept_[i].path), i);
    paths.push_back(kept_[i].path);
  }
  if (source_.written) keptWritten_ = WrittenTimes(paths, source_.written);
}

std::optional<std::size_t> TLibrary::TakeKept(const std::string& folder, const std::string& mask) {
  std::optional<std::size_t> found;
  const auto [first, last] = keptByFolder_.equal_range(platform::PathKey(folder));
  for (auto candidate = first; candidate != last; ++candidate) {
    if (keptTaken_[candidate->second]) continue;
    if (!found || kept_[candidate->second].mask == mask) found = candidate->second;
  }
  if (found) keptTaken_[*found] = true;
  return found;
}

std::optional<std::pair<ListedFolder, bool>> TLibrary::Current(const std::string& folder, const std::string& mask) {
  const std::optional<std::size_t> keptIndex = TakeKept(folder, mask);
  ListedFolder* kept = keptIndex ? &kept_[*keptIndex] : nullptr;
  if (kept && kept->mask == mask &&
      (!source_.written || (keptWritten_[*keptIndex] == kept->written && Sized(*kept))))
    return std::pair(std::move(*kept), false);
  const bool readable = !kept || !source_.written || keptWritten_[*keptIndex];
  std::optional<ListedFolder> listed = readable ? source_.list(folder, mask) : std::nullopt;
  if (!listed) return kept ? std::optional(std::pair(std::move(*kept), true)) : std::nullopt;
  changed_ = true;
  KeepPlacesAndSizes(*listed, kept);
  return std::pair(std::move(*listed), false);
}

bool TLibrary::Sized(const ListedFolder& kept) const {
  return !source_.size || (kept.sizes.size() == kept.pictures.Size() &&
                           std::ranges::none_of(kept.sizes, [](const ListedSize& size) { return size.written == 0; }));
}

// A new listing's sizes hold each file's last-write time alone.
void TLibrary::KeepPlacesAndSizes(ListedFolder& listed, const ListedFolder* kept) const {
  listed.sizes.resize(listed.pictures.Size());
  std::unordered_map<std::string_view, std::size_t> keptIndex;
  for (std::size_t i = 0; kept && i < kept->pictures.Size(); ++i) keptIndex.emplace(kept->pictures[i], i);
  for (std::size_t i = 0; i < listed.pictures.Size(); ++i) {
    ListedSize& size = listed.sizes[i];
    const auto found = keptIndex.find(listed.pictures[i]);
    if (found != keptIndex.end()) {
      listed.places[i] = kept->places[found->second];
      if (kept->SizeAt(found->second).written == size.written && size.written != 0) {
        size = kept->SizeAt(found->second);
        continue;
      }
    }
    if (!source_.size) {
      size = {};
      continue;
    }
    const ListedSize read = source_.size(browse::JoinPath(listed.path, listed.pictures[i]));
    size.width = read.width;
    size.height = read.height;
  }
  if (std::ranges::all_of(listed.sizes, [](const ListedSize& size) { return size == ListedSize(); }))
    listed.sizes = {};
}

// Depth first, the subfolders in their order: each folder's pictures come before those below it.
std::vector<std::uint32_t> TLibrary::Folders(const std::string& folder, const std::string& mask, bool withSubfolders) {
  std::vector<std::uint32_t> found;
  std::vector<std::string> toList{folder};
  while (!toList.empty()) {
    const std::string path = std::move(toList.back());
    toList.pop_back();
    auto [reached, isNew] = reached_.try_emplace(ReachedKey(path, mask), static_cast<std::uint32_t>(folders_.size()));
    if (isNew) {
      std::optional<std::pair<ListedFolder, bool>> current = Current(path, mask);
      if (!current) {
        reached_.erase(reached);
        continue;
      }
      folders_.push_back(std::move(current->first));
      away_.push_back(current->second);
    }
    found.push_back(reached->second);
    if (!withSubfolders) continue;
    std::vector<std::string> subfolders = Names(folders_[reached->second].subfolders);
    if (source_.orderSubfolders) source_.orderSubfolders(path, subfolders);
    for (auto name = subfolders.rbegin(); name != subfolders.rend(); ++name)
      toList.push_back(browse::JoinPath(path, *name));
  }
  return found;
}

std::string TLibrary::PathOf(std::uint32_t folder, std::uint32_t picture) const {
  const ListedFolder& listing = folders_[folder];
  return browse::JoinPath(listing.path, listing.pictures[picture]);
}

std::vector<ListedFolder> TLibrary::ListingsToKeep(
    const std::function<bool(const std::string& folder)>& stillSelected) {
  std::vector<ListedFolder> listings = std::move(folders_);
  for (std::size_t i = 0; i < kept_.size(); ++i) {
    if (keptTaken_[i]) continue;
    if (stillSelected(kept_[i].path))
      listings.push_back(std::move(kept_[i]));
    else
      changed_ = true;
  }
  return listings;
}

}  // namespace rotation
