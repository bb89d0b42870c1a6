#include "ui/MessageBoxes.h"

#include <gtest/gtest.h>

#include "support/Waiting.h"
#include "support/Windows.h"
#include "ui/Timer.h"

namespace ui {
namespace {

using namespace std::chrono_literals;

// Shows a real box and, from a timer running inside its loop, reads it and presses a button.
testing_support::MessageBoxContent ShowAndAnswer(const std::function<int()>& show, const std::string& button,
                                                 int& answer) {
  testing_support::MessageBoxContent seen;
  TTimer watcher(50);
  watcher.OnTimer = [&] {
    auto box = testing_support::FindMessageBox(::GetCurrentProcessId());
    if (!box || box->buttons.empty()) return;
    watcher.SetEnabled(false);
    seen = *box;
    testing_support::PressButton(box->window, button);
  };
  watcher.SetEnabled(true);
  answer = show();
  return seen;
}

TEST(MessageBoxesTest, TypedQuestionHasItsCaptionYesNoButtonsAndIsCentredOnTheScreen) {
  int answer = 0;
  const auto box = ShowAndAnswer(
      [] {
        return MessageDlg("Selected folder does not contain supported image types. Do you still wish to add it to the list?",
                          TMsgDlgType::mtInformation, TMsgDlgButtons::mbYesNo);
      },
      "&No", answer);
  EXPECT_EQ(answer, IDNO);
  EXPECT_EQ(box.caption, "Information");
  EXPECT_EQ(box.text,
            "Selected folder does not contain supported image types. Do you still wish to add it to the list?");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"&Yes", "&No"}));
  const int centreX = (box.bounds.left + box.bounds.right) / 2;
  const int centreY = (box.bounds.top + box.bounds.bottom) / 2;
  EXPECT_NEAR(centreX, ::GetSystemMetrics(SM_CXSCREEN) / 2, 1);
  EXPECT_NEAR(centreY, ::GetSystemMetrics(SM_CYSCREEN) / 2, 1);
}

TEST(MessageBoxesTest, TypedBoxesTakeTheirCaptionFromTheirType) {
  int answer = 0;
  auto box = ShowAndAnswer([] { return MessageDlg("No folder selected!", TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK); },
                           "OK", answer);
  EXPECT_EQ(answer, IDOK);
  EXPECT_EQ(box.caption, "Warning");
  EXPECT_EQ(box.buttons, (std::vector<std::string>{"OK"}));
  box = ShowAndAnswer([] { return MessageDlg("Folder allready selected!", TMsgDlgType::mtError, TMsgDlgButtons::mbOK); },
                      "OK", answer);
  EXPECT_EQ(box.caption, "Error");
  EXPECT_EQ(box.text, "Folder allready selected!");
}

}  // namespace
}  // namespace ui
