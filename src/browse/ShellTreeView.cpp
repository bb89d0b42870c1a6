#include "browse/ShellTreeView.h"

#include <commctrl.h>
#include <shellapi.h>
#include <shlwapi.h>

#include <algorithm>
#include <utility>
#include <vector>

#include "browse/ShellItemRules.h"
#include "platform/Exceptions.h"
#include "platform/Format.h"
#include "platform/WideText.h"
#include "ui/Dpi.h"

namespace browse {
namespace {

constexpr int kIndent = 19;

static_assert(kShellItemIsStream == SFGAO_STREAM);

// Read wide and converted once, so that no name beyond ASCII is cut at a byte count.
std::string DisplayName(IShellFolder& folder, LPCITEMIDLIST item, SHGDNF flags) {
  STRRET name = {};
  wchar_t* wide = nullptr;
  if (FAILED(folder.GetDisplayNameOf(item, flags, &name)) || FAILED(::StrRetToStrW(&name, item, &wide))) return {};
  const std::unique_ptr<wchar_t, decltype(&::CoTaskMemFree)> owned(wide, &::CoTaskMemFree);
  return platform::FromWide(wide);
}

int IconIndex(LPCITEMIDLIST absolute, UINT extraFlags) {
  SHFILEINFOA info = {};
  ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(absolute), 0, &info, sizeof info,
                   SHGFI_PIDL | SHGFI_SYSICONINDEX | SHGFI_SMALLICON | extraFlags);
  return info.iIcon;
}

ItemIdList Combine(LPCITEMIDLIST parent, LPCITEMIDLIST child) { return ItemIdList(::ILCombine(parent, child)); }

// Shows the wait cursor for one scope.
class WaitCursor {
 public:
  WaitCursor() : previous_(::SetCursor(::LoadCursorA(nullptr, IDC_WAIT))) {}
  WaitCursor(const WaitCursor&) = delete;
  WaitCursor& operator=(const WaitCursor&) = delete;
  ~WaitCursor() { ::SetCursor(previous_); }

 private:
  HCURSOR previous_;
};

struct MenuDeleter {
  void operator()(HMENU__* menu) const { ::DestroyMenu(menu); }
};

}  // namespace

TShellTreeView::TShellTreeView(std::string name, ui::TWinControl& parent, const ui::DesignRect& bounds)
    : TWinControl(std::move(name)) {
  CreateChild(parent, WC_TREEVIEWA, WS_TABSTOP | TVS_HASLINES | TVS_HASBUTTONS | TVS_EDITLABELS, WS_EX_CLIENTEDGE,
              bounds);
  ShowIconsAtDpi(Dpi());
  ::SHGetDesktopFolder(desktop_.Receive());
}

void TShellTreeView::ApplyDpi(int dpi) {
  TWinControl::ApplyDpi(dpi);
  ShowIconsAtDpi(dpi);
}

// The system's small shell icons, or its large ones where the small icon size at `dpi` is larger
// than the small ones (their indexes are the same in both).
void TShellTreeView::ShowIconsAtDpi(int dpi) {
  const int iconSize = ui::SmallIconSizeAt(dpi);
  SHFILEINFOA info = {};
  auto images = reinterpret_cast<HIMAGELIST>(
      ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_SMALLICON));
  int width = 0, height = 0;
  if (::ImageList_GetIconSize(images, &width, &height) && width < iconSize)
    images = reinterpret_cast<HIMAGELIST>(
        ::SHGetFileInfoA("C:\\", 0, &info, sizeof info, SHGFI_SYSICONINDEX | SHGFI_LARGEICON));
  ::SendMessageA(Handle(), TVM_SETIMAGELIST, TVSIL_NORMAL, reinterpret_cast<LPARAM>(images));
  // After the images, which set the least indent the tree takes.
  ::SendMessageA(Handle(), TVM_SETINDENT, static_cast<WPARAM>(ui::ScaleToDpi(kIndent, dpi)), 0);
}

void TShellTreeView::Build() {
  if (!desktop_) return;
  ITEMIDLIST* root = nullptr;
  if (FAILED(::SHGetSpecialFolderLocation(Handle(), CSIDL_DESKTOP, &root))) return;
  ItemIdList rootList(root);
  const std::string text = DisplayName(*desktop_.Get(), root, SHGDN_NORMAL);
  HTREEITEM rootItem = AddNode(TVI_ROOT, std::move(rootList), text, SFGAO_HASSUBFOLDER);
  ::SendMessageA(Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(rootItem));
  ::SendMessageA(Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(rootItem));
}

HTREEITEM TShellTreeView::AddNode(HTREEITEM parent, ItemIdList absolute, const std::string& text, SFGAOF attributes) {
  TVINSERTSTRUCTA insert = {};
  insert.hParent = parent;
  insert.hInsertAfter = TVI_LAST;
  TVITEMA& item = insert.item;
  item.mask = TVIF_TEXT | TVIF_IMAGE | TVIF_SELECTEDIMAGE | TVIF_CHILDREN | TVIF_STATE;
  item.pszText = const_cast<char*>(text.c_str());
  item.iImage = IconIndex(absolute.get(), 0);
  item.iSelectedImage = IconIndex(absolute.get(), SHGFI_OPENICON);
  item.cChildren = (attributes & SFGAO_HASSUBFOLDER) ? 1 : 0;
  if (attributes & SFGAO_SHARE) {
    const int overlay = ::SHGetIconOverlayIndexA(nullptr, IDO_SHGIOI_SHARE);
    if (overlay >= 0) {
      item.state = INDEXTOOVERLAYMASK(overlay);
      item.stateMask = TVIS_OVERLAYMASK;
    }
  }
  auto node = std::make_unique<Node>();
  node->absolute = std::move(absolute);
  HTREEITEM added =
      reinterpret_cast<HTREEITEM>(::SendMessageA(Handle(), TVM_INSERTITEMA, 0, reinterpret_cast<LPARAM>(&insert)));
  if (added) nodes_[added] = std::move(node);
  return added;
}

TShellTreeView::Node* TShellTreeView::NodeOf(HTREEITEM item) const {
  const auto found = nodes_.find(item);
  return found == nodes_.end() ? nullptr : found->second.get();
}

platform::ComPtr<IShellFolder> TShellTreeView::FolderOf(const Node& node) const {
  platform::ComPtr<IShellFolder> folder;
  if (node.absolute->mkid.cb == 0)
    desktop_->QueryInterface(IID_IShellFolder, folder.ReceiveVoid());
  else
    desktop_->BindToObject(node.absolute.get(), nullptr, IID_IShellFolder, folder.ReceiveVoid());
  return folder;
}

void TShellTreeView::FetchChildren(HTREEITEM item) {
  Node* node = NodeOf(item);
  if (!node || node->fetched) return;
  node->fetched = true;
  WaitCursor wait;
  platform::ComPtr<IShellFolder> folder = FolderOf(*node);
  platform::ComPtr<IEnumIDList> items;
  // A folder the shell cannot list gets no children; any prompt of the shell's is owned by the
  // application's window.
  if (!folder || folder->EnumObjects(::GetAncestor(Handle(), GA_ROOT), SHCONTF_FOLDERS, items.Receive()) != S_OK ||
      !items)
    return;
  std::vector<ItemIdList> children;
  ITEMIDLIST* child = nullptr;
  while (items->Next(1, &child, nullptr) == S_OK) children.emplace_back(child);
  SortAsTheTreeSorts(*folder.Get(), children);
  for (ItemIdList& relative : children) {
    LPCITEMIDLIST relativeList = relative.get();
    SFGAOF attributes = SFGAO_HASSUBFOLDER | SFGAO_SHARE | SFGAO_STREAM;
    if (FAILED(folder->GetAttributesOf(1, &relativeList, &attributes))) attributes = 0;
    if (!ShowsInFolderTree(attributes)) continue;
    const std::string text = DisplayName(*folder.Get(), relativeList, SHGDN_INFOLDER);
    AddNode(item, Combine(node->absolute.get(), relativeList), text, attributes);
  }
}

std::string TShellTreeView::Path() const {
  HTREEITEM selected = reinterpret_cast<HTREEITEM>(::SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  const Node* node = NodeOf(selected);
  if (!node || !desktop_) return {};
  std::string name = DisplayName(*desktop_.Get(), node->absolute.get(), SHGDN_FORPARSING);
  if (IsClassIdName(name)) name = DisplayName(*desktop_.Get(), node->absolute.get(), SHGDN_NORMAL);
  return WithoutQuestionMarks(std::move(name));
}

void TShellTreeView::ShowContextMenu() {
  POINT screen;
  ::GetCursorPos(&screen);
  TVHITTESTINFO hit = {};
  hit.pt = screen;
  ::ScreenToClient(Handle(), &hit.pt);
  auto item = reinterpret_cast<HTREEITEM>(::SendMessageA(Handle(), TVM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
  if (!item || !(hit.flags & TVHT_ONITEM))
    item = reinterpret_cast<HTREEITEM>(::SendMessageA(Handle(), TVM_GETNEXTITEM, TVGN_CARET, 0));
  const Node* node = NodeOf(item);
  if (!node) return;

  platform::ComPtr<IShellFolder> parent;
  LPCITEMIDLIST child = nullptr;
  if (FAILED(::SHBindToParent(node->absolute.get(), IID_IShellFolder, parent.ReceiveVoid(), &child))) return;
  platform::ComPtr<IContextMenu> menu;
  if (FAILED(parent->GetUIObjectOf(Handle(), 1, &child, IID_IContextMenu, nullptr, menu.ReceiveVoid()))) return;
  std::unique_ptr<HMENU__, MenuDeleter> popup(::CreatePopupMenu());
  if (!popup || FAILED(menu->QueryContextMenu(popup.get(), 0, 1, 0x7FFF, CMF_NORMAL))) return;
  // While the menu is up, its handler fills in its submenus ("Send to", "Open with", "New") and
  // draws its owner-drawn items; the menu's messages come to the tree as the menu's owner.
  menu->QueryInterface(IID_IContextMenu2, openMenu2_.ReceiveVoid());
  menu->QueryInterface(IID_IContextMenu3, openMenu3_.ReceiveVoid());
  const int command = ::TrackPopupMenu(popup.get(), TPM_RETURNCMD | TPM_RIGHTBUTTON, screen.x, screen.y, 0, Handle(),
                                       nullptr);
  openMenu2_.Reset();
  openMenu3_.Reset();
  if (command <= 0) return;
  CMINVOKECOMMANDINFO invoke = {};
  invoke.cbSize = sizeof invoke;
  invoke.hwnd = Handle();
  invoke.lpVerb = MAKEINTRESOURCEA(command - 1);
  invoke.nShow = SW_SHOWNORMAL;
  menu->InvokeCommand(&invoke);
}

void TShellTreeView::Rename(HTREEITEM item, const std::string& newName) {
  Node* node = NodeOf(item);
  if (!node) return;
  platform::ComPtr<IShellFolder> parent;
  LPCITEMIDLIST child = nullptr;
  if (FAILED(::SHBindToParent(node->absolute.get(), IID_IShellFolder, parent.ReceiveVoid(), &child))) return;
  SFGAOF attributes = SFGAO_CANRENAME;
  if (FAILED(parent->GetAttributesOf(1, &child, &attributes)) || !(attributes & SFGAO_CANRENAME)) return;

  ITEMIDLIST* renamed = nullptr;
  const std::wstring wideName = platform::ToWide(newName);
  if (FAILED(parent->SetNameOf(Handle(), child, wideName.c_str(), SHGDN_INFOLDER, &renamed)) || !renamed)
    throw platform::Exception(platform::Format("Rename to %s failed", newName.c_str()));
  ItemIdList renamedChild(renamed);

  ItemIdList parentList(::ILClone(node->absolute.get()));
  ::ILRemoveLastID(parentList.get());
  node->absolute = Combine(parentList.get(), renamedChild.get());
  // Children fetched under the old name are fetched again under the new one.
  ::SendMessageA(Handle(), TVM_EXPAND, TVE_COLLAPSE | TVE_COLLAPSERESET, reinterpret_cast<LPARAM>(item));
  node->fetched = false;
  std::string text = DisplayName(*parent.Get(), renamedChild.get(), SHGDN_INFOLDER);
  TVITEMA update = {};
  update.mask = TVIF_TEXT | TVIF_CHILDREN;
  update.hItem = item;
  update.pszText = text.data();
  update.cChildren = 1;
  ::SendMessageA(Handle(), TVM_SETITEMA, 0, reinterpret_cast<LPARAM>(&update));
}

LRESULT TShellTreeView::WndProc(UINT message, WPARAM wParam, LPARAM lParam) {
  const bool menuMessage =
      message == WM_INITMENUPOPUP || message == WM_DRAWITEM || message == WM_MEASUREITEM || message == WM_MENUCHAR;
  if (menuMessage && openMenu3_) {
    LRESULT result = 0;
    if (SUCCEEDED(openMenu3_->HandleMenuMsg2(message, wParam, lParam, &result))) return result;
  } else if (menuMessage && openMenu2_ && message != WM_MENUCHAR) {
    if (SUCCEEDED(openMenu2_->HandleMenuMsg(message, wParam, lParam))) return message == WM_INITMENUPOPUP ? 0 : TRUE;
  }
  return TWinControl::WndProc(message, wParam, lParam);
}

LRESULT TShellTreeView::HandleNotify(NMHDR& header) {
  switch (header.code) {
    case TVN_ITEMEXPANDINGA: {
      auto& change = reinterpret_cast<NMTREEVIEWA&>(header);
      if (change.action & TVE_EXPAND) FetchChildren(change.itemNew.hItem);
      return FALSE;
    }
    case TVN_SELCHANGEDA:
      if (OnChange) OnChange();
      return 0;
    case TVN_DELETEITEMA:
      nodes_.erase(reinterpret_cast<NMTREEVIEWA&>(header).itemOld.hItem);
      return 0;
    case NM_RCLICK:
      ShowContextMenu();
      return TRUE;
    case TVN_BEGINLABELEDITA:
      editing_ = true;
      return FALSE;
    case TVN_ENDLABELEDITA: {
      auto& edit = reinterpret_cast<NMTVDISPINFOA&>(header);
      if (!std::exchange(editing_, false)) return FALSE;
      if (edit.item.pszText) Rename(edit.item.hItem, edit.item.pszText);
      return FALSE;  // the node shows the shell's name, set by Rename
    }
  }
  return 0;
}

}  // namespace browse
