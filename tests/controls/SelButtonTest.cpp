#include "controls/ButtonComps.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "platform/Exceptions.h"
#include "support/HostForm.h"
#include "support/Mouse.h"
#include "support/Waiting.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/GdiHandles.h"
#include "ui/HighContrast.h"
#include "ui/Pointer.h"

namespace controls {
namespace {

using namespace std::chrono_literals;

constexpr COLORREF kMarker = RGB(255, 0, 255);
constexpr COLORREF kPressed = RGB(200, 30, 30);

struct Ink {
  int left = 1000, top = 1000, right = -1, bottom = -1;  // bounding box of the caption's pixels
  bool Any() const { return right >= 0; }
};

class SelButtonTest : public ::testing::Test {
 protected:
  SelButtonTest() : host_(HostLayout()), button_("SetSB") {
    button_.SetParent(&host_);
    button_.SetBounds(10, 10, 185, 17);
    button_.SetCaption("Set as wallpaper");
    button_.SetAlignment(TAlignment::taCenter);
    button_.SetColorOverCaption(ui::clWhite);
    button_.SetColorDown(kPressed);
    button_.OnMouseDown = [this](ui::TMouseButton, WPARAM, int, int) { events_.push_back("down"); };
    button_.OnMouseUp = [this](ui::TMouseButton, WPARAM, int, int) { events_.push_back("up"); };
    button_.OnClick = [this] { events_.push_back("click"); };
    host_.Show();
    ui::SetPointerPositionHook([this] { return pointer_; });
    PointAt(300, 300);  // off the button
  }
  ~SelButtonTest() override { ui::SetPointerPositionHook({}); }

  static ui::TFormSpec HostLayout() {
    ui::TFormSpec layout = testing_support::HostFormSpec();
    layout.borderStyle = ui::TBorderStyle::bsNone;
    return layout;
  }

  // The normal look, painted into memory over a marker colour.
  std::unique_ptr<ui::TBitmapCanvas> PaintedNormal() {
    auto canvas =
        std::make_unique<ui::TBitmapCanvas>(button_.Left() + button_.Width(), button_.Top() + button_.Height());
    canvas->FillRect(RECT{0, 0, canvas->Width(), canvas->Height()}, kMarker);
    button_.PaintOn(*canvas);
    return canvas;
  }

  // What the button shows on its parent now, in its own coordinates.
  COLORREF Shown(int x, int y) const {
    const ui::WindowDc dc(host_.Handle());
    return ::GetPixel(dc.Get(), button_.Left() + x, button_.Top() + y);
  }
  COLORREF Face() const { return Shown(2, 1); }
  Ink ShownInk(COLORREF caption) const {
    Ink ink;
    for (int y = 1; y < button_.Height() - 1; ++y)
      for (int x = 1; x < button_.Width() - 1; ++x)
        if (Shown(x, y) == caption) {
          ink.left = std::min(ink.left, x);
          ink.top = std::min(ink.top, y);
          ink.right = std::max(ink.right, x);
          ink.bottom = std::max(ink.bottom, y);
        }
    return ink;
  }

  // Puts the pointer there and lets the idle work find where it is.
  void PointAt(int x, int y) {
    pointer_ = POINT{x, y};
    testing_support::PumpFor(30ms);
  }
  void PointAtButton(int x = 90, int y = 8) { PointAt(button_.Left() + x, button_.Top() + y); }
  void Send(UINT message, int x = 90, int y = 8) { testing_support::SendMouse(button_, message, x, y); }

  static COLORREF Face(ui::TColor color) { return ui::ColorToRGB(color); }

  ui::TForm host_;
  TSelButton button_;
  std::vector<std::string> events_;
  POINT pointer_ = {};
};

TEST_F(SelButtonTest, NormalLookIsFaceCaptionAndBorderDrawnLast) {
  const auto painted = PaintedNormal();
  const ui::TBitmapCanvas& canvas = *painted;
  const int left = button_.Left(), top = button_.Top();
  EXPECT_EQ(canvas.Pixel(left, top), ui::ColorToRGB(ui::clGray));
  EXPECT_EQ(canvas.Pixel(left + 184, top + 16), ui::ColorToRGB(ui::clGray));
  EXPECT_EQ(canvas.Pixel(left + 1, top + 1), ui::ColorToRGB(ui::clBtnFace));
  EXPECT_EQ(canvas.Pixel(left - 1, top), kMarker) << "nothing outside the bounds";
  int captionPixels = 0;
  for (int x = 1; x < 184; ++x)
    for (int y = 1; y < 16; ++y) captionPixels += canvas.Pixel(left + x, top + y) == ui::ColorToRGB(ui::clGray);
  EXPECT_GT(captionPixels, 40);
}

// High contrast (switched on through its hook: Wine always reports it off) draws the face, the
// caption and the border in the system's colours, the hover and pressed looks highlighted;
// switched off again, every pixel is as before.
TEST_F(SelButtonTest, HighContrastDrawsInTheSystemsColoursAndOffAgainEveryPixelAsBefore) {
  const auto before = PaintedNormal();
  ui::SetHighContrastHook([] { return true; });
  const auto contrast = PaintedNormal();
  const int left = button_.Left(), top = button_.Top();
  EXPECT_EQ(contrast->Pixel(left, top), ::GetSysColor(COLOR_WINDOWTEXT));
  EXPECT_EQ(contrast->Pixel(left + 1, top + 1), ::GetSysColor(COLOR_BTNFACE));
  int captionPixels = 0;
  for (int x = 1; x < 184; ++x)
    for (int y = 1; y < 16; ++y) captionPixels += contrast->Pixel(left + x, top + y) == ::GetSysColor(COLOR_BTNTEXT);
  EXPECT_GT(captionPixels, 40);
  PointAtButton();
  EXPECT_EQ(Face(), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_TRUE(ShownInk(::GetSysColor(COLOR_HIGHLIGHTTEXT)).Any());
  Send(WM_LBUTTONDOWN);
  EXPECT_EQ(Face(), ::GetSysColor(COLOR_HIGHLIGHT));
  EXPECT_TRUE(ShownInk(::GetSysColor(COLOR_HIGHLIGHTTEXT)).Any());
  Send(WM_LBUTTONUP);
  ui::SetHighContrastHook({});
  const auto after = PaintedNormal();
  for (int x = 0; x < after->Width(); ++x)
    for (int y = 0; y < after->Height(); ++y) ASSERT_EQ(after->Pixel(x, y), before->Pixel(x, y)) << x << ", " << y;
}

TEST_F(SelButtonTest, BorderWidthDrawsThatManyRingsOrLeavesTheEdgeAlone) {
  button_.SetBorderWidth(2);
  const auto two = PaintedNormal();
  EXPECT_EQ(two->Pixel(11, 11), ui::ColorToRGB(ui::clGray));
  EXPECT_EQ(two->Pixel(12, 12), ui::ColorToRGB(ui::clBtnFace));
  button_.SetBorderWidth(0);
  const auto none = PaintedNormal();
  EXPECT_EQ(none->Pixel(10, 10), kMarker);
  EXPECT_EQ(none->Pixel(194, 26), kMarker);
  EXPECT_EQ(none->Pixel(11, 11), ui::ColorToRGB(ui::clBtnFace));
}

TEST_F(SelButtonTest, EmptyCaptionDrawsFaceAndBorderOnly) {
  button_.SetCaption("");
  const auto painted = PaintedNormal();
  const ui::TBitmapCanvas& canvas = *painted;
  for (int x = 11; x < 194; ++x)
    for (int y = 11; y < 26; ++y) ASSERT_EQ(canvas.Pixel(x, y), ui::ColorToRGB(ui::clBtnFace)) << x << ", " << y;
}

TEST_F(SelButtonTest, DisabledFaceTakesTheParentsColourAndComesBackWhenEnabled) {
  host_.SetColor(RGB(255, 255, 0));
  button_.SetEnabled(false);
  button_.SetEnabled(false);  // twice: the first saved colour still comes back
  EXPECT_EQ(PaintedNormal()->Pixel(11, 11), RGB(255, 255, 0));
  EXPECT_EQ(PaintedNormal()->Pixel(10, 10), ui::ColorToRGB(ui::clGray)) << "the border stays";
  button_.SetEnabled(true);
  EXPECT_EQ(PaintedNormal()->Pixel(11, 11), ui::ColorToRGB(ui::clBtnFace));
}

TEST_F(SelButtonTest, PressedCaptionMovesOneDownAndInwardByAlignment) {
  const Ink normal = ShownInk(ui::ColorToRGB(ui::clGray));
  ASSERT_TRUE(normal.Any());
  Send(WM_LBUTTONDOWN);
  EXPECT_EQ(Face(), kPressed);
  const Ink centred = ShownInk(ui::ColorToRGB(ui::clGray));
  EXPECT_EQ(centred.left, normal.left + 1);
  EXPECT_EQ(centred.top, normal.top + 1);
  Send(WM_LBUTTONUP);

  button_.SetAlignment(TAlignment::taRightJustify);
  const Ink right = ShownInk(ui::ColorToRGB(ui::clGray));
  Send(WM_LBUTTONDOWN);
  const Ink rightPressed = ShownInk(ui::ColorToRGB(ui::clGray));
  EXPECT_EQ(rightPressed.left, right.left - 1);
  EXPECT_EQ(rightPressed.top, right.top + 1);
  Send(WM_LBUTTONUP);
}

TEST_F(SelButtonTest, PressDragOffAndReleaseOutsideMakesNoClick) {
  PointAtButton();
  EXPECT_EQ(Face(), Face(clSelButtonHover));
  Send(WM_LBUTTONDOWN);
  EXPECT_EQ(Face(), kPressed);
  PointAt(300, 300);
  EXPECT_EQ(Face(), Face(ui::clBtnFace)) << "leaving draws the normal look";
  Send(WM_LBUTTONUP, 290, 290);
  EXPECT_EQ(Face(), Face(ui::clBtnFace));
  EXPECT_EQ(events_, (std::vector<std::string>{"down", "up"}));
}

TEST_F(SelButtonTest, PressDragOffAndBackThenReleaseClicksAndEndsInTheHoverLook) {
  PointAtButton();
  Send(WM_LBUTTONDOWN);
  PointAt(300, 300);
  EXPECT_EQ(Face(), Face(ui::clBtnFace));
  PointAtButton();
  EXPECT_EQ(Face(), Face(clSelButtonHover)) << "back over it: hover, not pressed";
  COLORREF faceAtClick = 0;
  button_.OnClick = [&] {
    faceAtClick = Face();
    events_.push_back("click");
  };
  Send(WM_LBUTTONUP);
  EXPECT_EQ(faceAtClick, Face(ui::clBtnFace)) << "the click draws the normal look first";
  EXPECT_EQ(Face(), Face(clSelButtonHover));
  EXPECT_EQ(events_, (std::vector<std::string>{"down", "click", "up"}));
}

TEST_F(SelButtonTest, PressRightAfterEnteringKeepsTheHoverCaptionColour) {
  PointAtButton();
  Send(WM_LBUTTONDOWN);
  EXPECT_TRUE(ShownInk(RGB(255, 255, 255)).Any());
  Send(WM_LBUTTONUP);
  // A repaint while the pointer stays brings back the normal look and its caption colour.
  ::RedrawWindow(host_.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_ERASE | RDW_UPDATENOW);
  Send(WM_LBUTTONDOWN);
  EXPECT_FALSE(ShownInk(RGB(255, 255, 255)).Any());
  EXPECT_TRUE(ShownInk(ui::ColorToRGB(ui::clGray)).Any());
  Send(WM_LBUTTONUP);
}

TEST_F(SelButtonTest, DoubleClickGivesOneClickAndRightClickNothing) {
  PointAtButton();
  Send(WM_LBUTTONDOWN);
  Send(WM_LBUTTONUP);
  Send(WM_LBUTTONDBLCLK);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(events_, (std::vector<std::string>{"down", "click", "up", "down", "up"}));

  events_.clear();
  const COLORREF before = Face();
  Send(WM_RBUTTONDOWN);
  EXPECT_EQ(Face(), before);
  Send(WM_RBUTTONUP);
  EXPECT_EQ(Face(), before);
  EXPECT_TRUE(events_.empty());
}

TEST_F(SelButtonTest, DisabledButtonRaisesNothingAndShowsNoHoverOrPressedLook) {
  host_.SetColor(RGB(255, 255, 0));
  button_.SetEnabled(false);
  PointAtButton();
  EXPECT_EQ(Face(), RGB(255, 255, 0));
  Send(WM_LBUTTONDOWN);
  EXPECT_EQ(Face(), RGB(255, 255, 0));
  Send(WM_LBUTTONUP);
  EXPECT_EQ(Face(), RGB(255, 255, 0)) << "the click draws the normal look";
  EXPECT_TRUE(events_.empty());
}

TEST_F(SelButtonTest, CaptionIsTheNameOnEachNewParentAndSettersNeedOne) {
  TSelButton lonely("Lonely");
  try {
    lonely.SetCaption("x");
    FAIL() << "drew without a parent";
  } catch (const platform::EInvalidOperation& error) {
    EXPECT_STREQ(error.what(), "Control 'Lonely' has no parent window");
  }
  lonely.SetParent(&host_);
  EXPECT_EQ(lonely.Caption(), "Lonely");
  lonely.SetCaption("Other");
  ui::TForm second(testing_support::HostFormSpec());
  lonely.SetParent(&second);
  EXPECT_EQ(lonely.Caption(), "Lonely");
}

}  // namespace
}  // namespace controls
