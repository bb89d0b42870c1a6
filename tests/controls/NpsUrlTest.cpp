#include "controls/NpsUrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HostForm.h"
#include "support/Mouse.h"
#include "ui/Application.h"
#include "ui/Canvas.h"
#include "ui/Form.h"
#include "ui/HighContrast.h"
#include "ui/Label.h"
#include "ui/ShellOpen.h"

namespace controls {
namespace {

class NpsUrlTest : public ::testing::Test {
 protected:
  NpsUrlTest() : host_(testing_support::HostFormSpec()), link_("NpsUrl", host_, 10, 10) {
    ui::SetShellOpenHook([this](HWND owner, const std::string& target) {
      opened_.push_back(target);
      ownerAtOpen_ = owner;
      colourAtOpen_ = link_.Font().Color();
      return DWORD{ERROR_SUCCESS};
    });
    link_.OnMouseDown = [this](ui::TMouseButton, WPARAM, int, int) { events_.push_back("down"); };
    link_.OnMouseUp = [this](ui::TMouseButton, WPARAM, int, int) { events_.push_back("up"); };
  }
  ~NpsUrlTest() override { ui::SetShellOpenHook({}); }

  void Send(UINT message, int x = 5, int y = 5) { testing_support::SendMouse(link_, message, x, y); }
  void LeftClick() {
    Send(WM_LBUTTONDOWN);
    Send(WM_LBUTTONUP);
  }

  ui::TForm host_;
  TNpsUrl link_;
  std::vector<std::string> opened_;
  std::vector<std::string> events_;
  HWND ownerAtOpen_ = nullptr;
  ui::TColor colourAtOpen_ = 0;
};

TEST_F(NpsUrlTest, DefaultsToAnEmailLinkInBlueUnderlinedText) {
  EXPECT_EQ(link_.Protocol(), TProtocol::ptMAIL);
  EXPECT_EQ(link_.Caption(), link_.Url());
  EXPECT_EQ(link_.Font().Color(), ui::clBlue);
  EXPECT_EQ(link_.Font().Size(), 12);
  EXPECT_TRUE(link_.Font().Styles() & ui::fsUnderline);
  EXPECT_EQ(link_.ActiveColor(), ui::clPurple);
  // No "HAND" cursor ships, so number 5 shows the arrow.
  EXPECT_EQ(link_.Cursor(), TNpsUrl::kHandCursor);
  EXPECT_EQ(ui::CursorHandle(TNpsUrl::kHandCursor), ::LoadCursorA(nullptr, IDC_ARROW));
}

TEST_F(NpsUrlTest, LeftClickOpensTheTargetInTheActiveColourThenTheColourComesBack) {
  link_.SetUrl("mailto:someone@example.org");
  LeftClick();
  EXPECT_EQ(opened_, (std::vector<std::string>{"mailto:someone@example.org"}));
  EXPECT_EQ(ownerAtOpen_, ui::Application().Handle());
  EXPECT_EQ(colourAtOpen_, ui::clPurple);
  EXPECT_EQ(link_.Font().Color(), ui::clBlue);
  EXPECT_EQ(events_, (std::vector<std::string>{"down", "up"}));
}

TEST_F(NpsUrlTest, PrefixFollowsTheProtocolCaseSensitively) {
  link_.SetProtocol(TProtocol::ptWWW);
  link_.SetUrl("HTTP://example.org");
  LeftClick();
  link_.SetProtocol(TProtocol::ptNONE);
  link_.SetUrl("example.org");
  LeftClick();
  link_.SetProtocol(TProtocol::ptMAIL);
  link_.SetUrl("");
  LeftClick();
  EXPECT_EQ(opened_, (std::vector<std::string>{"http://HTTP://example.org", "example.org", "mailto:"}));
}

TEST_F(NpsUrlTest, RightClickAndDragOffReleaseOpenNothing) {
  Send(WM_RBUTTONDOWN);
  Send(WM_RBUTTONUP);
  EXPECT_EQ(link_.Font().Color(), ui::clBlue);
  EXPECT_TRUE(events_.empty()) << "no mouse events for the right button";

  Send(WM_LBUTTONDOWN);
  EXPECT_EQ(link_.Font().Color(), ui::clPurple);
  Send(WM_LBUTTONUP, 300, 300);
  EXPECT_EQ(link_.Font().Color(), ui::clBlue) << "the release comes back wherever it is";
  EXPECT_TRUE(opened_.empty());
}

TEST_F(NpsUrlTest, DoubleClickOpensOnce) {
  LeftClick();
  Send(WM_LBUTTONDBLCLK);
  Send(WM_LBUTTONUP);
  EXPECT_EQ(opened_.size(), 1u);
}

// High contrast (switched on through its hook: Wine always reports it off): links in the hot-light
// colour, the highlight while pressed, labels in the button text's; off again, as before.
TEST_F(NpsUrlTest, HighContrastDrawsLinksAndLabelsInTheSystemsColoursAndOffAgainAsBefore) {
  ui::TLabel label("Label", host_, 10, 40, "Width:", &link_.Font());
  const auto inks = [&](const ui::TGraphicControl& control, COLORREF colour) {
    ui::TBitmapCanvas canvas(control.Left() + control.Width(), control.Top() + control.Height());
    const_cast<ui::TGraphicControl&>(control).PaintOn(canvas);
    int pixels = 0;
    for (int x = control.Left(); x < canvas.Width(); ++x)
      for (int y = control.Top(); y < canvas.Height(); ++y) pixels += canvas.Pixel(x, y) == colour;
    return pixels;
  };
  const COLORREF blue = ui::ColorToRGB(ui::clBlue);
  const int before = inks(link_, blue);
  ASSERT_GT(before, 20);
  ui::SetHighContrastHook([] { return true; });
  EXPECT_GT(inks(link_, ::GetSysColor(COLOR_HOTLIGHT)), 20);
  EXPECT_EQ(inks(link_, blue), 0);
  Send(WM_LBUTTONDOWN);
  EXPECT_GT(inks(link_, ::GetSysColor(COLOR_HIGHLIGHT)), 20);
  Send(WM_LBUTTONUP);
  EXPECT_GT(inks(label, ::GetSysColor(COLOR_BTNTEXT)), 20);
  EXPECT_EQ(inks(label, blue), 0);
  ui::SetHighContrastHook({});
  EXPECT_EQ(inks(link_, blue), before);
  EXPECT_GT(inks(label, blue), 20);
}

TEST_F(NpsUrlTest, ChangingTheAddressKeepsTheCaption) {
  const std::string caption = link_.Caption();
  link_.SetUrl("elsewhere@example.org");
  EXPECT_EQ(link_.Caption(), caption);
}

}  // namespace
}  // namespace controls
