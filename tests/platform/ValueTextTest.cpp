#include "platform/ValueText.h"

#include <gtest/gtest.h>

#include <optional>

namespace platform {
namespace {

struct IntegerCase {
  const char* text;
  std::optional<std::int32_t> expected;
};

class ParseIntegerTest : public ::testing::TestWithParam<IntegerCase> {};

TEST_P(ParseIntegerTest, ReadsTheTextFormsOfIntegers) {
  EXPECT_EQ(ParseInteger(GetParam().text), GetParam().expected) << '"' << GetParam().text << '"';
}

INSTANTIATE_TEST_SUITE_P(
    Decimal, ParseIntegerTest,
    ::testing::Values(IntegerCase{"0", 0}, IntegerCase{"2", 2}, IntegerCase{"-1", -1}, IntegerCase{"+7", 7},
                      IntegerCase{"   12", 12}, IntegerCase{"007", 7}, IntegerCase{"19", 19},
                      IntegerCase{"2147483647", 2147483647}, IntegerCase{"-2147483648", INT32_MIN}, IntegerCase{"2147483648", std::nullopt},
                      IntegerCase{"-2147483649", std::nullopt}, IntegerCase{"99999999999999999999", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Hexadecimal, ParseIntegerTest,
    ::testing::Values(IntegerCase{"$A", 10}, IntegerCase{"xff", 255}, IntegerCase{"X10", 16},
                      IntegerCase{"0x1F", 31}, IntegerCase{"0XaB", 171}, IntegerCase{"-$A", -10},
                      IntegerCase{"$7FFFFFFF", INT32_MAX}, IntegerCase{"$FFFFFFFF", -1},
                      IntegerCase{"$100000000", std::nullopt}, IntegerCase{"$", std::nullopt},
                      IntegerCase{"0x", std::nullopt}, IntegerCase{"$G", std::nullopt}));

INSTANTIATE_TEST_SUITE_P(
    Rejected, ParseIntegerTest,
    ::testing::Values(IntegerCase{"", std::nullopt}, IntegerCase{"   ", std::nullopt}, IntegerCase{"yes", std::nullopt},
                      IntegerCase{"12 ", std::nullopt}, IntegerCase{"1.5", std::nullopt},
                      IntegerCase{"--1", std::nullopt}, IntegerCase{"-", std::nullopt},
                      IntegerCase{"\t1", std::nullopt}, IntegerCase{"A", std::nullopt}));

TEST(ValueTextTest, RejectedTextGivesTheReadersDefault) {
  EXPECT_EQ(IntegerOrDefault("yes", 1), 1);
  EXPECT_EQ(IntegerOrDefault("yes", 0), 0);
  EXPECT_EQ(IntegerOrDefault("3", 0), 3);
}

TEST(ValueTextTest, ReadsTheDesktopsColoursAsRedGreenBlue) {
  EXPECT_EQ(ParseRgbText("58 110 165"), 0xA56E3Au);
  EXPECT_EQ(ParseRgbText(" 0 0 0 "), 0u);
  for (const char* refused : {"", "255 255", "256 0 0", "1 2 3 4", "1,2,3", "-1 0 0", "1000 0 0"})
    EXPECT_FALSE(ParseRgbText(refused).has_value()) << refused;
}

TEST(ValueTextTest, WritesPlainDecimalAndBooleanDigits) {
  EXPECT_EQ(IntegerText(-1), "-1");
  EXPECT_EQ(IntegerText(0), "0");
  EXPECT_EQ(IntegerText(INT32_MIN), "-2147483648");
  EXPECT_EQ(BooleanText(true), "1");
  EXPECT_EQ(BooleanText(false), "0");
  for (std::int32_t value : {0, 1, -1, 42, INT32_MAX, INT32_MIN})
    EXPECT_EQ(ParseInteger(IntegerText(value)), value);
}

}  // namespace
}  // namespace platform
