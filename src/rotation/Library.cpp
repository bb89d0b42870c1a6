#include "rotation/Library.h"

#include <algorithm>
#include <string_view>
#include <thread>

#include "browse/FileListPaths.h"

namespace rotation {
namespace {

// A folder listed with another mask is another listing.
std::string KeyOf(const std::string& folder, const std::string& mask) { return mask + "|" + folder; }

}  // namespace

TLibrary::TLibrary(std::vector<ListedFolder> kept, FolderSource source)
    : source_(std::move(source)), kept_(std::move(kept)), keptWritten_(kept_.size()) {
  for (std::size_t i = 0; i < kept_.size(); ++i) keptByKey_.emplace(KeyOf(kept_[i].path, kept_[i].mask), i);
  const std::size_t workers = kept_.size() < 64 ? 1 : std::clamp(std::thread::hardware_concurrency(), 1u, 4u);
  const auto readTimes = [this, workers](std::size_t first) {
    for (std::size_t i = first; i < kept_.size(); i += workers) keptWritten_[i] = source_.written(kept_[i].path);
  };
  std::vector<std::thread> helpers;
  for (std::size_t worker = 1; worker < workers; ++worker) helpers.emplace_back(readTimes, worker);
  readTimes(0);
  for (std::thread& helper : helpers) helper.join();
}

std::optional<ListedFolder> TLibrary::Current(const std::string& folder, const std::string& mask) {
  const auto found = keptByKey_.find(KeyOf(folder, mask));
  ListedFolder* kept = found == keptByKey_.end() ? nullptr : &kept_[found->second];
  const std::optional<std::uint64_t> written = kept ? keptWritten_[found->second] : std::nullopt;
  if (kept) keptByKey_.erase(found);
  if (kept && written == kept->written) return std::move(*kept);
  relisted_ = true;
  std::optional<ListedFolder> listed = source_.list(folder, mask);
  if (listed && kept) {
    std::unordered_map<std::string_view, std::uint32_t> placeOf;
    for (std::size_t i = 0; i < kept->pictures.Size(); ++i) placeOf.emplace(kept->pictures[i], kept->places[i]);
    for (std::size_t i = 0; i < listed->pictures.Size(); ++i)
      if (const auto place = placeOf.find(listed->pictures[i]); place != placeOf.end()) listed->places[i] = place->second;
  }
  return listed;
}

// Depth first, the subfolders in their order: each folder's pictures come before those below it.
void TLibrary::Add(const std::string& folder, const std::string& mask, bool withSubfolders) {
  std::vector<std::string> toList{folder};
  while (!toList.empty()) {
    const std::string path = std::move(toList.back());
    toList.pop_back();
    if (!added_.insert(KeyOf(path, mask)).second) continue;
    std::optional<ListedFolder> listed = Current(path, mask);
    if (!listed) continue;
    const auto index = static_cast<std::uint32_t>(folders_.size());
    for (std::uint32_t picture = 0; picture < listed->pictures.Size(); ++picture) pictures_.push_back({index, picture});
    if (withSubfolders)
      for (std::size_t i = listed->subfolders.Size(); i-- > 0;)
        toList.push_back(browse::JoinPath(path, listed->subfolders[i]));
    folders_.push_back(std::move(*listed));
  }
}

std::optional<std::uint32_t> TLibrary::IndexOf(const std::string& path) const {
  std::vector<std::string> prefixes;  // each folder's path as a picture's path begins with it
  for (const ListedFolder& folder : folders_) prefixes.push_back(browse::JoinPath(folder.path, ""));
  for (std::uint32_t i = 0; i < pictures_.size(); ++i) {
    const std::string& prefix = prefixes[pictures_[i].folder];
    if (path.starts_with(prefix) &&
        std::string_view(path).substr(prefix.size()) == folders_[pictures_[i].folder].pictures[pictures_[i].index])
      return i;
  }
  return std::nullopt;
}

std::vector<ListedFolder> TLibrary::Unreached() {
  std::vector<ListedFolder> unreached;
  for (const auto& [key, index] : keptByKey_) unreached.push_back(std::move(kept_[index]));
  keptByKey_.clear();
  return unreached;
}

std::string TLibrary::PathOf(Picture picture) const {
  const ListedFolder& folder = folders_[picture.folder];
  return browse::JoinPath(folder.path, folder.pictures[picture.index]);
}

}  // namespace rotation
