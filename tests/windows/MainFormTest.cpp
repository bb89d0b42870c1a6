#include "windows/MainForm.h"

#include <gtest/gtest.h>

#include <shlobj.h>

#include "support/Later.h"
#include "windows/AboutD.h"

namespace windows {
namespace {

TEST(MainFormTest, PictureListStartsOnTheDesktopFolderWithNothingSelected) {
  char desktop[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_DESKTOPDIRECTORY, nullptr, 0, desktop);
  TFormMain form;
  EXPECT_EQ(form.FileLB.Directory(), desktop);
  EXPECT_EQ(form.FileLB.ItemIndex(), -1);
  EXPECT_EQ(form.ShellTV.Path(), desktop);
}

TEST(MainFormTest, TreeAndListSitAtTheirPlacesWithTheirFont) {
  TFormMain form;
  EXPECT_EQ(form.ShellTV.Left(), 8);
  EXPECT_EQ(form.ShellTV.Top(), 16);
  EXPECT_EQ(form.ShellTV.Width(), 185);
  EXPECT_EQ(form.ShellTV.Height(), 161);
  EXPECT_EQ(form.FileLB.Left(), 8);
  EXPECT_EQ(form.FileLB.Top(), 184);
  EXPECT_EQ(form.FileLB.Width(), 185);
  EXPECT_LE(form.FileLB.Height(), 154) << "the list keeps whole rows only";
  EXPECT_EQ(::SendMessageA(form.FileLB.Handle(), LB_GETITEMHEIGHT, 0, 0), 15);
  EXPECT_EQ(form.FileLB.Font().Name(), "Comic Sans MS");
  EXPECT_EQ(form.ShellTV.Font().Name(), "Comic Sans MS");
}

TEST(MainFormTest, ActionsOptionsShowsTheOptionsDialogModally) {
  TFormMain form;
  settings::TODialog options;
  TAboutDialog about;
  form.ConnectDialogs(options, about);
  char caption[64] = {};
  HMENU bar = ::GetMenu(form.Handle());
  ::GetMenuStringA(bar, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "Ac&tions");
  HMENU actions = ::GetSubMenu(bar, 0);
  ::GetMenuStringA(actions, 0, caption, sizeof caption, MF_BYPOSITION);
  EXPECT_STREQ(caption, "&Options");

  bool shownModally = false;
  testing_support::Later close(std::chrono::milliseconds(200), [&] {
    shownModally = options.Visible() && options.Modal();
    ::SendMessageA(options.CancelB.Handle(), BM_CLICK, 0, 0);
  });
  ::SendMessageA(form.Handle(), WM_COMMAND, MAKEWPARAM(::GetMenuItemID(actions, 0), 0), 0);
  EXPECT_TRUE(shownModally);
  EXPECT_FALSE(options.Visible());
}

}  // namespace
}  // namespace windows
