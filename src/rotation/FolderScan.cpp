#include "rotation/FolderScan.h"

#include <windows.h>

#include "browse/PictureListing.h"
#include "browse/TreeOrder.h"
#include "platform/WideText.h"

namespace rotation {

std::optional<std::uint64_t> FolderWritten(const std::string& folder) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExW(platform::ToWide(folder).c_str(), GetFileExInfoStandard, &data) ||
      !(data.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY))
    return std::nullopt;
  return std::uint64_t{data.ftLastWriteTime.dwHighDateTime} << 32 | data.ftLastWriteTime.dwLowDateTime;
}

std::optional<ListedFolder> ListFolder(const std::string& folder, const std::string& mask) {
  const std::optional<std::uint64_t> written = FolderWritten(folder);
  std::optional<browse::FolderEntries> entries = written ? browse::ReadFolder(folder, mask) : std::nullopt;
  if (!entries) return std::nullopt;
  ListedFolder listed;
  listed.written = *written;
  listed.mask = mask;
  listed.path = folder;
  for (const std::string& name : entries->subfolders) listed.subfolders.Add(name);
  for (const std::string& name : entries->pictures) listed.pictures.Add(name);
  listed.places.assign(listed.pictures.Size(), kNoPlace);
  return listed;
}

FolderSource FoldersOnDisk(SubfolderOrder order) {
  using OrderNames = void (*)(const std::string&, std::vector<std::string>&);
  return {FolderWritten, ListFolder, order == SubfolderOrder::kTree ? OrderNames(browse::SortAsTheTreeSorts) : nullptr};
}

}  // namespace rotation
