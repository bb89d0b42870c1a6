#include "browse/TreeOrder.h"

#include <shlwapi.h>

#include <algorithm>
#include <unordered_map>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/WideText.h"

namespace browse {
namespace {

bool ShellSortsBefore(IShellFolder& folder, LPCITEMIDLIST a, LPCITEMIDLIST b) {
  return static_cast<short>(HRESULT_CODE(folder.CompareIDs(0, a, b))) < 0;
}

}  // namespace

void SortAsTheTreeSorts(IShellFolder& folder, std::vector<ItemIdList>& children) {
  std::stable_sort(children.begin(), children.end(), [&](const ItemIdList& a, const ItemIdList& b) {
    return ShellSortsBefore(folder, a.get(), b.get());
  });
}

// The shell is asked for the folder's children once (binding each child by its name costs
// milliseconds each), and those of the names are sorted by its comparison.
void SortAsTheTreeSorts(const std::string& path, std::vector<std::string>& names) {
  if (names.size() < 2) return;
  platform::ComScope com;
  ITEMIDLIST* parsed = nullptr;
  platform::ComPtr<IShellFolder> folder;
  platform::ComPtr<IEnumIDList> children;
  if (SUCCEEDED(::SHParseDisplayName(platform::ToWide(path).c_str(), nullptr, &parsed, 0, nullptr)))
    ::SHBindToObject(nullptr, parsed, nullptr, IID_IShellFolder, folder.ReceiveVoid());
  const ItemIdList absolute(parsed);
  if (folder) folder->EnumObjects(nullptr, SHCONTF_FOLDERS | SHCONTF_INCLUDEHIDDEN, children.Receive());
  std::unordered_map<std::string, ItemIdList> itemOf;
  for (ITEMIDLIST* child = nullptr; children && children->Next(1, &child, nullptr) == S_OK;) {
    ItemIdList item(child);
    STRRET name = {};
    wchar_t* wide = nullptr;
    if (FAILED(folder->GetDisplayNameOf(item.get(), SHGDN_INFOLDER | SHGDN_FORPARSING, &name)) ||
        FAILED(::StrRetToStrW(&name, item.get(), &wide)))
      continue;
    itemOf.emplace(platform::FromWide(wide), std::move(item));
    ::CoTaskMemFree(wide);
  }
  const auto itemFor = [&](const std::string& name) {
    const auto found = itemOf.find(name);
    return found == itemOf.end() ? nullptr : found->second.get();
  };
  std::stable_sort(names.begin(), names.end(), [&](const std::string& a, const std::string& b) {
    const LPCITEMIDLIST first = itemFor(a), second = itemFor(b);
    if (first && second) return ShellSortsBefore(*folder.Get(), first, second);
    if (first || second) return first != nullptr;  // what the shell does not list comes last
    return ::CompareStringOrdinal(platform::ToWide(a).c_str(), -1, platform::ToWide(b).c_str(), -1, TRUE) ==
           CSTR_LESS_THAN;
  });
}

}  // namespace browse
