#include "rotation/FolderScan.h"

#include <windows.h>

#include "browse/PictureListing.h"
#include "browse/TreeOrder.h"
#include "pictures/PictureFile.h"
#include "platform/Exceptions.h"
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
  for (const std::uint64_t pictureWritten : entries->picturesWritten)
    listed.sizes.push_back({.written = pictureWritten, .width = 0, .height = 0});
  return listed;
}

ListedSize HeaderSize(const std::string& picture) {
  try {
    int noHelper = 0;
    if (const std::optional<pictures::PictureSize> size = pictures::PictureFileSize(picture, noHelper))
      return {.written = 0,
              .width = static_cast<std::uint32_t>(size->width),
              .height = static_cast<std::uint32_t>(size->height)};
  } catch (const platform::Exception&) {
  }
  return {};
}

using ReadSize = ListedSize (*)(const std::string&);

FolderSource FoldersOnDisk(SubfolderOrder order, PictureSizes sizes) {
  using OrderNames = void (*)(const std::string&, std::vector<std::string>&);
  return {.written = FolderWritten,
          .list = ListFolder,
          .orderSubfolders = order == SubfolderOrder::kTree ? OrderNames(browse::SortAsTheTreeSorts) : nullptr,
          .size = sizes == PictureSizes::kRead ? ReadSize(HeaderSize) : nullptr};
}

FolderSource KeptFolders(PictureSizes sizes) {
  return {.written = {},
          .list = ListFolder,
          .orderSubfolders = {},
          .size = sizes == PictureSizes::kRead ? ReadSize(HeaderSize) : nullptr};
}

}  // namespace rotation
