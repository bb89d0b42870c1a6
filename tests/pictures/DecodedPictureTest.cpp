#include "pictures/DecodedPicture.h"

#include <gtest/gtest.h>

namespace pictures {
namespace {

// A 2 x 1 picture: opaque blue, and red at half cover (premultiplied: 128 of red).
const std::vector<std::uint8_t> kRows = {255, 0, 0, 255, 0, 0, 128, 128};

std::vector<std::uint8_t> Answer(int width, int height, const std::vector<std::uint8_t>& rows) {
  std::vector<std::uint8_t> answer = DecodedPictureHeader(width, height);
  answer.insert(answer.end(), rows.begin(), rows.end());
  return answer;
}

TEST(DecodedPictureTest, AWholeAnswerReadsBackAndAnythingElseIsRefused) {
  const std::vector<std::uint8_t> answer = Answer(2, 1, kRows);
  const auto picture = ParseDecodedPicture(answer);
  ASSERT_TRUE(picture.has_value());
  EXPECT_EQ(picture->width, 2);
  EXPECT_EQ(picture->height, 1);
  EXPECT_TRUE(std::ranges::equal(picture->bgra, kRows));

  std::vector<std::uint8_t> bad = answer;
  bad.pop_back();
  EXPECT_FALSE(ParseDecodedPicture(bad)) << "a row cut short";
  bad = answer;
  bad.push_back(0);
  EXPECT_FALSE(ParseDecodedPicture(bad)) << "more than its rows";
  bad = answer;
  bad[0] = 'X';
  EXPECT_FALSE(ParseDecodedPicture(bad)) << "no mark";
  EXPECT_FALSE(ParseDecodedPicture(Answer(0, 1, {}))) << "no width";
  const auto sizeOnly = ParseDecodedPictureSize(DecodedPictureHeader(2, 1));  // the header alone
  EXPECT_TRUE(sizeOnly && sizeOnly->width == 2 && sizeOnly->height == 1);
  // 20000 x 20000 claims 1.6 GB: refused before anything is allocated, whatever follows.
  EXPECT_FALSE(ParseDecodedPicture(Answer(20000, 20000, kRows)));
  EXPECT_FALSE(ParseDecodedPicture(Answer(-1, -1, kRows))) << "sizes beyond 31 bits";
  EXPECT_TRUE(DecodablePictureSize(25000, 10000));
  EXPECT_FALSE(DecodablePictureSize(25001, 10000));
  EXPECT_FALSE(DecodablePictureSize(65536, 65536)) << "a pixel count that wraps 32 bits";
}

TEST(DecodedPictureTest, ThePictureLiesOverTheColourThroughWhatItLeavesUncovered) {
  const std::vector<std::uint8_t> answer = Answer(2, 1, kRows);
  const BgrPixels pixels = OverColour(*ParseDecodedPicture(answer), 0x204080);  // red 0x80, blue 0x20
  const std::uint8_t* row = pixels.Row(0);
  EXPECT_EQ((std::vector<int>{row[0], row[1], row[2]}), (std::vector<int>{255, 0, 0}));
  EXPECT_EQ((std::vector<int>{row[3], row[4], row[5]}), (std::vector<int>{16, 32, 192}));
}

}  // namespace
}  // namespace pictures
