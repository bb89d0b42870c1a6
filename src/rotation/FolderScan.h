// A folder of the library as it is now: when it was last written, and what it lists. A folder
// that cannot be read (gone, access denied, a share offline) gives nothing.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

#include "rotation/Library.h"
#include "rotation/RotationState.h"

namespace rotation {

// The folder's last-write time: adding, removing or renaming an entry of it changes it.
std::optional<std::uint64_t> FolderWritten(const std::string& folder);

// The folder listed now: its pictures for `mask` and its subfolders (browse::ReadFolder gives
// which), in the folder's own order. Its time is read first, so that a change while it is listed
// shows at the next look.
std::optional<ListedFolder> ListFolder(const std::string& folder, const std::string& mask);

// The width and height a picture's header gives (0 x 0: none, or the file cannot be read), without
// asking the helper: a listing of thousands of pictures cannot start a process for each.
ListedSize HeaderSize(const std::string& picture);

// The folders as they are on this PC, walked in the folder tree's order when it counts (in order,
// not for a shuffled deck), the pictures' sizes read when they count: reading every header costs
// a first run more than the walk.
enum class SubfolderOrder { kTree, kAny };
enum class PictureSizes { kRead, kLeft };
FolderSource FoldersOnDisk(SubfolderOrder order, PictureSizes sizes);
// The folders as the state keeps them, not looked at; one it does not keep is listed now.
FolderSource KeptFolders(PictureSizes sizes);

}  // namespace rotation
