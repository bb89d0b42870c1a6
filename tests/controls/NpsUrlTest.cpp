#include "controls/NpsUrl.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "support/HostForm.h"
#include "support/Mouse.h"
#include "ui/Application.h"
#include "ui/Form.h"
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

TEST_F(NpsUrlTest, ChangingTheAddressKeepsTheCaption) {
  const std::string caption = link_.Caption();
  link_.SetUrl("elsewhere@example.org");
  EXPECT_EQ(link_.Caption(), caption);
}

}  // namespace
}  // namespace controls
