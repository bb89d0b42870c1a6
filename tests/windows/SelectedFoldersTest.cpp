#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "support/ScratchFolder.h"
#include "support/ScratchSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "windows/MainForm.h"

namespace windows {
namespace {

using testing_support::ScratchFolder;

constexpr char kQuestion[] =
    "Selected folder does not contain supported image types. Do you still wish to add it to the list?";

class SelectedFoldersTest : public ::testing::Test {
 protected:
  std::vector<std::string> Entries() const { return form_.Entries(); }
  // Points the picture file list at a folder with one picture, or with none.
  void ListFolderWithPictures(bool pictures) {
    if (pictures) testing_support::WriteFileBytes(pictures_ / "a.jpg", "");
    form_.FileLB.ApplyFilePath(pictures_.Path());
  }

  testing_support::ScriptedMessageBoxes boxes_;
  ScratchFolder pictures_;
  TFormMain form_;
};

TEST_F(SelectedFoldersTest, AddingTheSameFolderTwiceIsRefused) {
  ListFolderWithPictures(true);
  form_.SelectBClick();
  form_.SelectBClick();
  EXPECT_EQ(Entries(), std::vector<std::string>{form_.ShellTV.Path()});
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Error");
  EXPECT_EQ(boxes_.shown[0].text, "Folder allready selected!");
  EXPECT_EQ(form_.SelDirLB.ItemIndex(), -1);
}

TEST_F(SelectedFoldersTest, AFolderWithoutPicturesIsAddedOnlyAfterYesAndStillOnlyOnce) {
  ListFolderWithPictures(false);
  boxes_.ThenAnswer(IDNO);
  form_.SelectBClick();
  EXPECT_TRUE(Entries().empty());
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Information");
  EXPECT_EQ(boxes_.shown[0].text, kQuestion);
  EXPECT_EQ(boxes_.shown[0].buttons, static_cast<UINT>(MB_YESNO));

  boxes_.ThenAnswer(IDYES);
  form_.SelectBClick();
  EXPECT_EQ(Entries().size(), 1u);
  boxes_.ThenAnswer(IDYES);
  form_.SelectBClick();
  EXPECT_EQ(Entries().size(), 1u);
  ASSERT_EQ(boxes_.shown.size(), 4u);
  EXPECT_EQ(boxes_.shown[3].text, "Folder allready selected!");
}

TEST_F(SelectedFoldersTest, RemovingNeedsASelectionAndEmptiesThePictureList) {
  ListFolderWithPictures(true);
  form_.UnSelectBClick();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Warning");
  EXPECT_EQ(boxes_.shown[0].text, "No folder selected!");

  form_.SelectBClick();
  form_.SelDirLB.SetItemIndex(0);
  form_.UnSelectBClick();
  EXPECT_TRUE(Entries().empty());
  EXPECT_EQ(form_.SelDirLB.ItemIndex(), -1);
  EXPECT_EQ(form_.FileLB.Count(), 0);
  EXPECT_EQ(form_.FileLB.Directory(), pictures_.Path()) << "the list keeps its folder";
}

TEST_F(SelectedFoldersTest, OpeningAnEntryShowsItsFolderAndClearsThePreview) {
  ScratchFolder other;
  testing_support::WriteFileBytes(other / "b.bmp", "");
  ListFolderWithPictures(true);
  form_.AddEntry(other.Path());
  form_.AddEntry(other / "gone");
  form_.AddEntry("");
  form_.FileLB.SetItemIndex(0);
  form_.FileLBClick();
  ASSERT_NE(form_.Slika.Picture(), nullptr);

  form_.SelDirLB.SetItemIndex(0);
  form_.SelDirLBClick();
  EXPECT_EQ(form_.FileLB.Directory(), other.Path());
  EXPECT_EQ(form_.Slika.Picture(), nullptr);

  for (int entry : {1, 2}) {
    form_.FileLBClick();
    form_.SelDirLB.SetItemIndex(entry);
    form_.SelDirLBClick();
    EXPECT_EQ(form_.FileLB.Directory(), other.Path()) << "entry " << entry;
    EXPECT_EQ(form_.Slika.Picture(), nullptr);
  }
}

// The mark goes after the list's text and into its own file; the entry itself, and so the folder
// list's file, stays the path.
TEST_F(SelectedFoldersTest, AFolderMarkedByNightShowsTheMarkAndKeepsItInItsOwnFile) {
  testing_support::ScratchSettings settings;
  const std::string phasesFile = testing_support::ScratchSettings::KeptFile("Day and night.txt");
  form_.ShowSelectedFolder(settings::ShownWhen::kByNight);
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].text, "No folder selected!");

  form_.AddEntry(pictures_.Path());
  form_.AddEntry(pictures_ / "stars");
  form_.SelDirLB.SetItemIndex(1);
  form_.ShowSelectedFolder(settings::ShownWhen::kByNight);
  EXPECT_EQ(std::tuple(form_.SelDirLB.Item(0), form_.SelDirLB.Item(1), form_.SelDirLB.ItemIndex()),
            std::tuple(pictures_.Path(), pictures_ / "stars (night)", 1));
  EXPECT_EQ(Entries(), (std::vector<std::string>{pictures_.Path(), pictures_ / "stars"}));
  EXPECT_EQ(testing_support::ReadFileBytes(phasesFile), "night " + (pictures_ / "stars") + "\r\n");

  form_.ShowSelectedFolder(settings::ShownWhen::kAnyTime);
  EXPECT_EQ(form_.SelDirLB.Item(1), pictures_ / "stars");
  EXPECT_EQ(testing_support::ReadFileBytes(phasesFile), "");
}

TEST_F(SelectedFoldersTest, OpeningWithoutASelectionFailsWithTheListIndex) {
  try {
    form_.SelDirLBClick();
    FAIL() << "opened an entry without a selection";
  } catch (const platform::EStringListError& error) {
    EXPECT_STREQ(error.what(), "List index out of bounds (-1)");
  }
}

}  // namespace
}  // namespace windows
