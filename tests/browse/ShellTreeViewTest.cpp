#include "browse/ShellTreeView.h"

#include <gtest/gtest.h>

#include <commctrl.h>
#include <shellapi.h>

#include "ui/Form.h"

namespace browse {
namespace {

class ShellTreeViewTest : public ::testing::Test {
 protected:
  ShellTreeViewTest() : form_(Spec()), tree_("ShellTV", form_, RECT{8, 16, 193, 177}) {
    tree_.OnChange = [this] { ++changes_; };
    tree_.Build();
  }

  static ui::TFormSpec Spec() {
    ui::TFormSpec spec;
    spec.name = "TreeHost";
    spec.width = 450;
    spec.height = 459;
    return spec;
  }

  HTREEITEM Next(HTREEITEM item, UINT relation) const {
    return reinterpret_cast<HTREEITEM>(
        ::SendMessageA(tree_.Handle(), TVM_GETNEXTITEM, relation, reinterpret_cast<LPARAM>(item)));
  }
  std::string Text(HTREEITEM item) const {
    char text[MAX_PATH] = {};
    TVITEMA query = {};
    query.mask = TVIF_TEXT;
    query.hItem = item;
    query.pszText = text;
    query.cchTextMax = sizeof text;
    ::SendMessageA(tree_.Handle(), TVM_GETITEMA, 0, reinterpret_cast<LPARAM>(&query));
    return text;
  }
  std::vector<HTREEITEM> Children(HTREEITEM item) const {
    std::vector<HTREEITEM> children;
    for (HTREEITEM child = Next(item, TVGN_CHILD); child; child = Next(child, TVGN_NEXT)) children.push_back(child);
    return children;
  }
  void Select(HTREEITEM item) {
    ::SendMessageA(tree_.Handle(), TVM_SELECTITEM, TVGN_CARET, reinterpret_cast<LPARAM>(item));
  }

  ui::TForm form_;
  TShellTreeView tree_;
  int changes_ = 0;
};

std::string KnownFolderPath(int folder) {
  char path[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, folder, nullptr, 0, path);
  return path;
}

TEST_F(ShellTreeViewTest, StartsOnTheDesktopExpandedOneLevel) {
  const HTREEITEM root = Next(nullptr, TVGN_ROOT);
  EXPECT_EQ(Next(nullptr, TVGN_CARET), root);
  EXPECT_EQ(changes_, 1) << "building the tree selects its root once";
  EXPECT_EQ(tree_.Path(), KnownFolderPath(CSIDL_DESKTOPDIRECTORY));
  EXPECT_FALSE(Children(root).empty());
  EXPECT_EQ(::SendMessageA(tree_.Handle(), TVM_GETINDENT, 0, 0), 19);
}

TEST_F(ShellTreeViewTest, VirtualFolderYieldsItsDisplayNameAndFileFoldersTheirPath) {
  const HTREEITEM root = Next(nullptr, TVGN_ROOT);
  ITEMIDLIST* drives = nullptr;
  ASSERT_EQ(::SHGetSpecialFolderLocation(nullptr, CSIDL_DRIVES, &drives), S_OK);
  SHFILEINFOA info = {};
  ::SHGetFileInfoA(reinterpret_cast<LPCSTR>(drives), 0, &info, sizeof info, SHGFI_PIDL | SHGFI_DISPLAYNAME);
  ::CoTaskMemFree(drives);

  HTREEITEM computer = nullptr;
  for (HTREEITEM child : Children(root))
    if (Text(child) == info.szDisplayName) computer = child;
  ASSERT_NE(computer, nullptr) << "no node for " << info.szDisplayName;
  Select(computer);
  EXPECT_EQ(tree_.Path(), info.szDisplayName);
  EXPECT_EQ(changes_, 2);

  ::SendMessageA(tree_.Handle(), TVM_EXPAND, TVE_EXPAND, reinterpret_cast<LPARAM>(computer));
  HTREEITEM driveC = nullptr;
  for (HTREEITEM child : Children(computer))
    if (Text(child).find("C:") != std::string::npos) driveC = child;
  ASSERT_NE(driveC, nullptr);
  Select(driveC);
  EXPECT_EQ(tree_.Path(), "C:\\");
}

}  // namespace
}  // namespace browse
