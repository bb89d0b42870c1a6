#include <gtest/gtest.h>

#include <array>

#include "wallpaper/RotationChoice.h"
#include "wallpaper/RotationRandom.h"

namespace wallpaper {
namespace {

// One run: the stored counters in, the picture used and the counters written out.
struct RunResult {
  int picture;
  int nextFile;
  int nextFolder;
};

RunResult InOrder(int file, int folder, int folderCount, int pictureCount) {
  const RotationChoice choice = ChooseRotationPicture(file, RotationFolder(folder, folderCount), pictureCount);
  return {choice.picture, choice.picture + 1, choice.folder};
}

TEST(RotationChoiceTest, ThreePicturesInOrderUseTheFirstTwoThenTheFirstAgainAndMoveOn) {
  RunResult run = InOrder(0, 0, 1, 3);
  EXPECT_EQ(run.picture, 0);
  EXPECT_EQ(run.nextFile, 1);
  EXPECT_EQ(run.nextFolder, 0);
  run = InOrder(run.nextFile, run.nextFolder, 1, 3);
  EXPECT_EQ(run.picture, 1);
  EXPECT_EQ(run.nextFile, 2);
  EXPECT_EQ(run.nextFolder, 0);
  run = InOrder(run.nextFile, run.nextFolder, 1, 3);
  EXPECT_EQ(run.picture, 0);
  EXPECT_EQ(run.nextFile, 1);
  EXPECT_EQ(run.nextFolder, 1);
  // One past the only folder wraps to it, starting at its picture 1.
  run = InOrder(run.nextFile, run.nextFolder, 1, 3);
  EXPECT_EQ(run.picture, 1);
  EXPECT_EQ(run.nextFolder, 0);
}

TEST(RotationChoiceTest, FolderPastTheListOrNegativeUsesTheFirst) {
  EXPECT_EQ(RotationFolder(7, 3), 0);
  EXPECT_EQ(RotationFolder(3, 3), 0);
  EXPECT_EQ(RotationFolder(2, 3), 2);
  EXPECT_EQ(RotationFolder(-1, 3), 0);
  EXPECT_EQ(RotationFolder(0, 0), 0);
}

TEST(RotationChoiceTest, IndexIsComparedWithTheLastPictureNotTheCount) {
  // A random draw of m - 1 uses picture 0 and moves the folder on.
  EXPECT_EQ(ChooseRotationPicture(4, 2, 5).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(4, 2, 5).folder, 3);
  EXPECT_EQ(ChooseRotationPicture(3, 2, 5).picture, 3);
  EXPECT_EQ(ChooseRotationPicture(3, 2, 5).folder, 2);
  // A stored index far past the folder's pictures, as after pictures were removed.
  EXPECT_EQ(ChooseRotationPicture(1000, 0, 5).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(1000, 0, 5).folder, 1);
}

TEST(RotationChoiceTest, EmptyFolderMovesOnAndNegativeIndexStartsTheFolder) {
  EXPECT_EQ(ChooseRotationPicture(0, 1, 0).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(0, 1, 0).folder, 2);
  EXPECT_EQ(ChooseRotationPicture(-5, 1, 3).picture, 0);
  EXPECT_EQ(ChooseRotationPicture(-5, 1, 3).folder, 1);
}

// Five pictures (the rule gives 0 to 3); the odd ones are portraits, 1 is shown already.
TEST(RotationChoiceTest, AMonitorPrefersAPictureOfItsShapeThatNoOtherShows) {
  const auto portrait = [](int picture) { return picture % 2 == 1; };
  const auto landscape = [](int picture) { return picture % 2 == 0; };
  const auto oneShown = [](int picture) { return picture == 1; };
  EXPECT_EQ(PreferredPicture(1, 5, portrait, oneShown), 3);
  EXPECT_EQ(PreferredPicture(3, 5, landscape, oneShown), 0) << "going round";
  EXPECT_EQ(PreferredPicture(1, 5, [](int) { return false; }, oneShown), 2) << "none of its shape";
  EXPECT_EQ(PreferredPicture(0, 1, portrait, [](int) { return true; }), 0) << "nothing else to take";
}

TEST(RotationRandomTest, SeedIsTheMillisecondOfTheDay) {
  EXPECT_EQ(RotationRandom::SeedFromTimeOfDay(0, 0, 0, 0), 0u);
  EXPECT_EQ(RotationRandom::SeedFromTimeOfDay(0, 0, 1, 5), 1005u);
  EXPECT_EQ(RotationRandom::SeedFromTimeOfDay(23, 59, 59, 999), 86399999u);
}

TEST(RotationRandomTest, DrawsFollowTheGeneratorExactly) {
  // seed <- seed * 134775813 + 1 (mod 2^32); draw = high half of seed * range.
  RotationRandom random(12345);
  for (std::uint32_t expected : {1u, 0u, 0u, 1u, 1u}) EXPECT_EQ(random.Draw(3), expected);
  EXPECT_EQ(random.Draw(100), 34u);
  EXPECT_EQ(random.Draw(0xFFFFFFFFu), 1889648463u);
}

TEST(RotationRandomTest, DrawsStayInRangeAndCoverItEvenly) {
  RotationRandom random(RotationRandom::SeedFromTimeOfDay(7, 30, 12, 345));
  EXPECT_EQ(random.Draw(0), 0u);
  EXPECT_EQ(random.Draw(1), 0u);
  std::array<int, 3> counts = {};
  for (int i = 0; i < 3000; ++i) {
    const std::uint32_t draw = random.Draw(3);
    ASSERT_LT(draw, 3u);
    ++counts[draw];
  }
  for (int count : counts) {
    EXPECT_GT(count, 900);
    EXPECT_LT(count, 1100);
  }
}

}  // namespace
}  // namespace wallpaper
