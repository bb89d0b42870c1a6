#include "browse/FileListBox.h"

#include <gtest/gtest.h>

#include <chrono>

#include "support/HostForm.h"
#include "support/ScratchFolder.h"
#include "ui/Form.h"

namespace browse {
namespace {

using testing_support::ScratchFolder;
using testing_support::WriteFileBytes;

class FileListBoxTest : public ::testing::Test {
 protected:
  FileListBoxTest() : form_(testing_support::HostFormSpec()), list_("FileLB", form_, ui::Design(8, 184, 185, 154)) {}


  std::vector<std::string> Names() const {
    std::vector<std::string> names;
    for (int i = 0; i < list_.Count(); ++i) names.push_back(list_.Item(i));
    return names;
  }

  void Touch(const std::string& name) { WriteFileBytes(folder_ / name, "x"); }

  ScratchFolder folder_;
  ui::TForm form_;
  TFileListBox list_;
};

TEST_F(FileListBoxTest, ListsOnlyVisiblePictureFilesSortedIgnoringCase) {
  for (const char* name :
       {"c.jpg", "B.bmp", "a.jpeg", "Photo.JPG", "photo.jpeg", "hidden.jpg", "anim.gif", "notes.txt"})
    Touch(name);
  ::SetFileAttributesA((folder_ / "hidden.jpg").c_str(), FILE_ATTRIBUTE_HIDDEN);
  ::CreateDirectoryA((folder_ / "x.jpg").c_str(), nullptr);
  Touch("readonly.bmp");
  ::SetFileAttributesA((folder_ / "readonly.bmp").c_str(), FILE_ATTRIBUTE_READONLY);

  list_.ApplyFilePath(folder_.Path());
  EXPECT_EQ(list_.Directory(), folder_.Path());
  EXPECT_EQ(Names(), (std::vector<std::string>{"a.jpeg", "B.bmp", "c.jpg", "photo.jpeg", "Photo.JPG", "readonly.bmp"}));
  EXPECT_EQ(list_.ItemIndex(), -1);
  EXPECT_EQ(list_.FileName(), "");
  ::SetFileAttributesA((folder_ / "readonly.bmp").c_str(), FILE_ATTRIBUTE_NORMAL);
}

// The shown folder is never made the current directory, which would hold it open: texts
// without a drive, or without any backslash, are taken from within the shown folder.
TEST_F(FileListBoxTest, TextsWithoutADriveAreTakenFromTheShownFolderWhichIsNeverMadeCurrent) {
  char before[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, before);
  ::CreateDirectoryA((folder_ / "Pictures").c_str(), nullptr);
  ::CreateDirectoryA((folder_ / "Pictures\\Summer").c_str(), nullptr);
  Touch("Pictures\\Summer\\a.jpg");
  list_.ApplyFilePath(folder_ / "Pictures\\");
  EXPECT_EQ(list_.Directory(), folder_ / "Pictures");
  list_.ApplyFilePath("Summer");
  EXPECT_EQ(list_.Directory(), folder_ / "Pictures\\Summer");
  EXPECT_EQ(Names(), std::vector<std::string>{"a.jpg"});
  list_.ApplyFilePath("..\\..");
  EXPECT_EQ(list_.Directory(), folder_.Path());
  list_.ApplyFilePath((folder_ / "Pictures").substr(2));  // "\\users\\...": the shown folder's drive
  EXPECT_EQ(list_.Directory(), folder_ / "Pictures");
  char after[MAX_PATH] = {};
  ::GetCurrentDirectoryA(MAX_PATH, after);
  EXPECT_STREQ(after, before);
}

TEST_F(FileListBoxTest, SelectedFileOfADriveRootHasOneBackslash) {
  list_.ApplyFilePath("C:\\");
  EXPECT_EQ(list_.Directory(), "C:\\");
  if (list_.Count() == 0) list_.Add("a.jpg");  // an empty root still shows how the path is joined
  list_.SetItemIndex(0);
  EXPECT_EQ(list_.FileName(), "C:\\" + list_.Item(0));
}

TEST_F(FileListBoxTest, WildcardLastComponentBecomesTheMaskAndAFileNameSelectsThatFile) {
  Touch("a.jpg");
  Touch("anim.gif");
  Touch("b.gif");
  list_.ApplyFilePath(folder_ / "*.gif");
  EXPECT_EQ(list_.Mask(), "*.gif");
  EXPECT_EQ(Names(), (std::vector<std::string>{"anim.gif", "b.gif"}));
  list_.ApplyFilePath(folder_ / "*.gif;*.GIF");
  EXPECT_EQ(Names(), (std::vector<std::string>{"anim.gif", "b.gif"})) << "each file once";

  list_.ApplyFilePath(folder_ / "b.gif");
  EXPECT_EQ(list_.FileName(), folder_ / "b.gif");

  Touch("notes.txt");
  list_.ApplyFilePath(folder_ / "notes.txt");
  EXPECT_EQ(list_.Mask(), "notes.txt");
  EXPECT_EQ(Names(), (std::vector<std::string>{"notes.txt"}));
  EXPECT_EQ(list_.FileName(), folder_ / "notes.txt");
}

TEST_F(FileListBoxTest, ApplyingTheShownFolderAgainKeepsEntriesAndSelection) {
  Touch("a.jpg");
  Touch("b.jpg");
  list_.ApplyFilePath(folder_.Path());
  list_.SetItemIndex(1);
  Touch("c.jpg");
  list_.ApplyFilePath(folder_.Path());
  EXPECT_EQ(list_.ItemIndex(), 1);
  EXPECT_EQ(list_.Count(), 2) << "the folder must not be read again";

  list_.Clear();
  list_.ApplyFilePath(folder_.Path());
  EXPECT_EQ(list_.Count(), 0) << "an emptied list stays empty until another folder is applied";
}

TEST_F(FileListBoxTest, FolderThatCannotBeEnteredKeepsTheOldFolderAndRefillsIt) {
  Touch("a.jpg");
  list_.ApplyFilePath(folder_.Path());
  list_.SetItemIndex(0);
  for (const std::string& text : {folder_ / "gone", std::string("My Computer")}) {
    list_.ApplyFilePath(text);
    EXPECT_EQ(list_.Directory(), folder_.Path()) << text;
    EXPECT_EQ(list_.Count(), 1) << text;
    EXPECT_EQ(list_.ItemIndex(), -1) << text << ": a refill loses the selection";
    list_.SetItemIndex(0);
  }
}

TEST_F(FileListBoxTest, EmptyFolderHasNoSelection) {
  list_.ApplyFilePath(folder_.Path());
  list_.SetItemIndex(0);
  EXPECT_EQ(list_.ItemIndex(), -1);
  EXPECT_EQ(list_.FileName(), "");
}

}  // namespace
}  // namespace browse
