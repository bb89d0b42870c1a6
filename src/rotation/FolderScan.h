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

// The folders as they are on this PC, walked in the folder tree's order when it counts (in order,
// not for a shuffled deck).
enum class SubfolderOrder { kTree, kAny };
FolderSource FoldersOnDisk(SubfolderOrder order);

}  // namespace rotation
