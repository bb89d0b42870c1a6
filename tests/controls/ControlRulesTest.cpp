#include <gtest/gtest.h>

#include "controls/ButtonLayout.h"
#include "controls/UrlTarget.h"

namespace controls {
namespace {

TEST(ButtonLayoutTest, CentredCaptionMovesRightAndDownWhenPressed) {
  // 185 x 17 with a 90 x 14 caption.
  EXPECT_EQ(CaptionPosition(185, 17, 90, 14, TAlignment::taCenter, false), (CaptionOrigin{47, 1}));
  EXPECT_EQ(CaptionPosition(185, 17, 90, 14, TAlignment::taCenter, true), (CaptionOrigin{48, 2}));
  // Each half truncated on its own.
  EXPECT_EQ(CaptionPosition(185, 16, 90, 13, TAlignment::taCenter, false), (CaptionOrigin{47, 2}));
}

TEST(ButtonLayoutTest, LeftAndRightJustifiedCaptionsKeepTheirMargins) {
  EXPECT_EQ(CaptionPosition(41, 17, 20, 15, TAlignment::taLeftJustify, false), (CaptionOrigin{5, 1}));
  EXPECT_EQ(CaptionPosition(41, 17, 20, 15, TAlignment::taLeftJustify, true), (CaptionOrigin{6, 2}));
  // Pressed, a right-justified caption moves left, not right.
  EXPECT_EQ(CaptionPosition(100, 20, 30, 14, TAlignment::taRightJustify, false), (CaptionOrigin{64, 3}));
  EXPECT_EQ(CaptionPosition(100, 20, 30, 14, TAlignment::taRightJustify, true), (CaptionOrigin{63, 4}));
  // At twice the designed resolution the margins and the shift double.
  EXPECT_EQ(CaptionPosition(82, 34, 40, 30, TAlignment::taLeftJustify, true, 192), (CaptionOrigin{12, 4}));
  EXPECT_EQ(CaptionPosition(200, 40, 60, 28, TAlignment::taRightJustify, true, 192), (CaptionOrigin{126, 8}));
}

TEST(ButtonLayoutTest, CaptionWiderThanTheButtonStartsLeftOfIt) {
  EXPECT_EQ(CaptionPosition(41, 17, 101, 14, TAlignment::taCenter, false), (CaptionOrigin{-30, 1}));
  EXPECT_EQ(CaptionPosition(41, 17, 101, 14, TAlignment::taRightJustify, false), (CaptionOrigin{-66, 1}));
  // Halves truncate toward zero.
  EXPECT_EQ(CaptionPosition(0, 0, 0, 13, TAlignment::taCenter, false), (CaptionOrigin{0, -6}));
}

TEST(UrlTargetTest, PrefixGoesInFrontUnlessTheAddressBeginsWithItExactly) {
  EXPECT_EQ(UrlTarget(TProtocol::ptMAIL, "mailto:someone@example.org"), "mailto:someone@example.org");
  EXPECT_EQ(UrlTarget(TProtocol::ptMAIL, "someone@example.org"), "mailto:someone@example.org");
  EXPECT_EQ(UrlTarget(TProtocol::ptMAIL, "x mailto:someone"), "mailto:x mailto:someone");
  EXPECT_EQ(UrlTarget(TProtocol::ptWWW, "HTTP://example.org"), "http://HTTP://example.org");
  EXPECT_EQ(UrlTarget(TProtocol::ptWWW, "http://example.org"), "http://example.org");
  EXPECT_EQ(UrlTarget(TProtocol::ptFTP, "example.org"), "ftp://example.org");
  EXPECT_EQ(UrlTarget(TProtocol::ptFILE, "C:\\x.txt"), "file:C:\\x.txt");
  EXPECT_EQ(UrlTarget(TProtocol::ptNONE, "example.org"), "example.org");
  EXPECT_EQ(UrlTarget(TProtocol::ptMAIL, ""), "mailto:");
}

}  // namespace
}  // namespace controls
