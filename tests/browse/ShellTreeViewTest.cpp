#include "browse/ShellTreeView.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>

#include "support/HostForm.h"
#include "support/ScriptedMessageBoxes.h"
#include "ui/Form.h"

namespace browse {
namespace {

// A built tree on a form, read and driven through the tree view's own messages.
class TreeOnAForm {
 public:
  TreeOnAForm() : form_(testing_support::HostFormSpec()), tree("ShellTV", form_, ui::Design(8, 16, 185, 161)) {
    tree.OnChange = [this] { ++changes; };
    tree.Build();
  }

  HTREEITEM Next(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(tree.Handle(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  }
  HTREEITEM Root() const { return Next(nullptr, TVGN_ROOT); }
  std::string Text(HTREEITEM item) const {
    char text[MAX_PATH] = {};
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = sizeof text;
    ::SendMessageA(tree.Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    return text;
  }
  std::vector<HTREEITEM> Children(HTREEITEM item) const {
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = Next(item, TVGN_CHILD); child; child = Next(child, TVGN_NEXT)) children.push_back(child);
    return children;
  }
  HTREEITEM ChildNamed(HTREEITEM parent, const std::string& text) const {
    for (HTREEITEM child : Children(parent))
      if (Text(child) == text) return child;
    return nullptr;
  }
  void Select(HTREEITEM item) {
    ::SendMessageA(tree.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  }
  // Edits the node's text in place and confirms `newText`.
  void EditText(HTREEITEM item, const std::string& newText) {
    Select(item);
    auto edit = reinterpret_cast<HWND>(::SendMessageA(tree.Handle(), TVM_EDITLABELA, 0, reinterpret_cast<LPARAM>(item)));
    ASSERT_NE(edit, nullptr);
    ::SetWindowTextA(edit, newText.c_str());
    ::SendMessageA(tree.Handle(), TVM_ENDEDITLABELNOW, FALSE, 0);
  }

 private:
  ui::TForm form_;

 public:
  TShellTreeView tree;
  int changes = 0;
};

std::string KnownFolderPath(int folder) {
  char path[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, folder, nullptr, 0, path);
  return path;
}

// A folder with one subfolder on the user's desktop, where the tree shows it under its root.
class DesktopFolder {
 public:
  DesktopFolder(const std::string& name, const std::string& child)
      : path_(KnownFolderPath(CSIDL_DESKTOPDIRECTORY) + "\\" + name), child_(path_ + "\\" + child) {
    ::CreateDirectoryA(path_.c_str(), nullptr);
    ::CreateDirectoryA(child_.c_str(), nullptr);
  }
  ~DesktopFolder() {
    for (const std::string& sub : {child_, renamed}) ::RemoveDirectoryA(sub.c_str());
    ::RemoveDirectoryA(path_.c_str());
  }
  const std::string& Child() const { return child_; }
  std::string renamed;

 private:
  std::string path_;
  std::string child_;
};

TEST(ShellTreeViewTest, StartsOnTheDesktopExpandedOneLevel) {
  TreeOnAForm view;
  EXPECT_EQ(view.Next(nullptr, TVGN_CARET), view.Root());
  EXPECT_EQ(view.changes, 1) << "building the tree selects its root once";
  EXPECT_EQ(view.tree.Path(), KnownFolderPath(CSIDL_DESKTOPDIRECTORY));
  EXPECT_FALSE(view.Children(view.Root()).empty());
  EXPECT_EQ(::SendMessageA(view.tree.Handle(), TVM_GETINDENT, 0, 0), 19);
}

TEST(ShellTreeViewTest, VirtualFolderYieldsItsDisplayNameAndFileFoldersTheirPath) {
  TreeOnAForm view;
  ITEMIDLIST* drives = nullptr;
  ASSERT_EQ(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives), S_OK);
  SHFILEINFOA info = {};
  ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(drives), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
  ::CoTaskMemFree(drives);

  HTREEITEM computer = view.ChildNamed(view.Root(), info.szDisplayName);
  ASSERT_NE(computer, nullptr) << "no node for " << info.szDisplayName;
  view.Select(computer);
  EXPECT_EQ(view.tree.Path(), info.szDisplayName);
  EXPECT_EQ(view.changes, 2);

  ::SendMessageA(view.tree.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(computer));
  HTREEITEM driveC = nullptr;
  for (HTREEITEM child : view.Children(computer))
    if (view.Text(child).find("C:") != std::string::npos) driveC = child;
  ASSERT_NE(driveC, nullptr);
  view.Select(driveC);
  EXPECT_EQ(view.tree.Path(), "C:\\");
}

// Expands the desktop's node `name` and returns its child node `child`.
HTREEITEM NodeUnderDesktop(TreeOnAForm& view, const std::string& name, const std::string& child) {
  HTREEITEM folder = view.ChildNamed(view.Root(), name);
  if (!folder) return nullptr;
  ::SendMessageA(view.tree.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(folder));
  return view.ChildNamed(folder, child);
}

TEST(ShellTreeViewTest, ADeepFolderWithNamesBeyondAsciiYieldsItsWholePath) {
  // Four levels of 45 characters: a path of about 225 characters and 585 bytes in UTF-8.
  std::string summer, winter;
  for (int i = 0; i < 15; ++i) summer += "夏天的", winter += "冬天的";
  const std::vector<std::string> levels = {summer, winter, summer, winter};
  DesktopFolder top("Vantoria tree test", levels[0]);
  std::string path = top.Child();
  std::vector<std::string> made;
  for (size_t i = 1; i < levels.size(); ++i) {
    path += "\\" + levels[i];
    ASSERT_TRUE(::CreateDirectoryA(path.c_str(), nullptr)) << "level " << i;
    made.push_back(path);
  }
  TreeOnAForm view;
  HTREEITEM node = NodeUnderDesktop(view, "Vantoria tree test", levels[0]);
  for (size_t i = 1; node && i < levels.size(); ++i) {
    ::SendMessageA(view.tree.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(node));
    node = view.ChildNamed(node, levels[i]);
  }
  ASSERT_NE(node, nullptr) << "a name was cut";
  view.Select(node);
  EXPECT_EQ(view.tree.Path(), path);
  for (auto it = made.rbegin(); it != made.rend(); ++it) ::RemoveDirectoryA(it->c_str());
}

TEST(ShellTreeViewTest, RenamingANodeRenamesTheFolderAndTheNodeYieldsTheNewPath) {
  testing_support::ScriptedMessageBoxes boxes;
  DesktopFolder folder("Vantoria tree test", "rename me");
  folder.renamed = folder.Child().substr(0, folder.Child().rfind('\\')) + "\\renamed";
  TreeOnAForm view;
  HTREEITEM node = NodeUnderDesktop(view, "Vantoria tree test", "rename me");
  ASSERT_NE(node, nullptr);
  view.EditText(node, "renamed");
  EXPECT_TRUE(boxes.shown.empty()) << boxes.shown.front().text;
  EXPECT_EQ(::GetFileAttributesA(folder.Child().c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_NE(::GetFileAttributesA(folder.renamed.c_str()), INVALID_FILE_ATTRIBUTES);
  EXPECT_EQ(view.Text(node), "renamed");
  EXPECT_EQ(view.tree.Path(), folder.renamed);
}

TEST(ShellTreeViewTest, AFailedRenameIsReportedAndTheNodeKeepsItsFolder) {
  testing_support::ScriptedMessageBoxes boxes;
  DesktopFolder folder("Vantoria tree test", "keep me");
  TreeOnAForm view;
  HTREEITEM node = NodeUnderDesktop(view, "Vantoria tree test", "keep me");
  ASSERT_NE(node, nullptr);
  view.EditText(node, "bad<name>");
  EXPECT_NE(::GetFileAttributesA(folder.Child().c_str()), INVALID_FILE_ATTRIBUTES);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Rename to bad<name> failed.");
  EXPECT_EQ(view.Text(node), "keep me");
  EXPECT_EQ(view.tree.Path(), folder.Child());
}

}  // namespace
}  // namespace browse
