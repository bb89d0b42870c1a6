// The order the folder tree shows a folder's children in: the shell's own (IShellFolder::
// CompareIDs, by name as Explorer sorts them), for the tree and for a rotation that walks the
// subfolders without it.
#pragma once

#include <shlobj.h>

#include <memory>
#include <string>
#include <vector>

namespace browse {

struct ItemIdListDeleter {
  void operator()(ITEMIDLIST* list) const { ::CoTaskMemFree(list); }
};
using ItemIdList = std::unique_ptr<ITEMIDLIST, ItemIdListDeleter>;

// Children of `folder` (relative item lists) in the tree's order.
void SortAsTheTreeSorts(IShellFolder& folder, std::vector<ItemIdList>& children);
// Names of subfolders of the folder at `path` in the tree's order; those the shell does not list
// after them, in the order of their names ignoring case.
void SortAsTheTreeSorts(const std::string& path, std::vector<std::string>& names);

}  // namespace browse
