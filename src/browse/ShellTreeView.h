// The folder tree over the shell's namespace, rooted at the Desktop: folders only, children
// fetched on first expansion and kept, the shell's context menu on a right click, renaming by
// editing a node's text.
#pragma once

#include <shlobj.h>

#include <functional>
#include <map>
#include <memory>
#include <string>

#include "browse/TreeOrder.h"
#include "platform/ComPtr.h"
#include "ui/WinControl.h"

namespace browse {

class TShellTreeView : public ui::TWinControl {
 public:
  TShellTreeView(std::string name, ui::TWinControl& parent, const ui::DesignRect& bounds);

  // Builds the tree: the Desktop as its root, expanded one level and selected.
  void Build();

  // The selected folder's path (its parsing name, or the display name of a virtual folder);
  // empty when no node is selected.
  std::string Path() const;

  // The selected node changed, by the user or by the program.
  std::function<void()> OnChange;

  // Also the indent and the icons' size.
  void ApplyDpi(int dpi) override;

 protected:
  // Hands the open context menu's messages to its handler.
  LRESULT WndProc(UINT message, WPARAM wParam, LPARAM lParam) override;
  LRESULT HandleNotify(NMHDR& header) override;

 private:
  struct Node {
    ItemIdList absolute;  // relative to the Desktop
    bool fetched = false;
  };

  void ShowIconsAtDpi(int dpi);
  HTREEITEM AddNode(HTREEITEM parent, ItemIdList absolute, const std::string& text, SFGAOF attributes);
  Node* NodeOf(HTREEITEM item) const;
  platform::ComPtr<IShellFolder> FolderOf(const Node& node) const;
  void FetchChildren(HTREEITEM item);
  void ShowContextMenu();
  void Rename(HTREEITEM item, const std::string& newName);

  platform::ComPtr<IShellFolder> desktop_;
  // The handler of the context menu while it is up.
  platform::ComPtr<IContextMenu2> openMenu2_;
  platform::ComPtr<IContextMenu3> openMenu3_;
  std::map<HTREEITEM, std::unique_ptr<Node>> nodes_;
  // An edit of a node's text is under way; the tree may report its end more than once.
  bool editing_ = false;
};

}  // namespace browse
