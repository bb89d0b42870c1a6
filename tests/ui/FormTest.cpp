#include "ui/Form.h"

#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "support/Later.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/Waiting.h"
#include "ui/Timer.h"

namespace ui {
namespace {

using namespace std::chrono_literals;

TFormSpec DialogSpec(TPosition position = TPosition::poDesigned) {
  TFormSpec layout;
  layout.name = "TestDialog";
  layout.caption = "Test dialog";
  layout.borderStyle = TBorderStyle::bsToolWindow;
  layout.position = position;
  layout.left = 100;
  layout.top = 80;
  layout.width = 258;
  layout.height = 147;
  layout.clientSize = true;
  return layout;
}

using testing_support::Later;

TEST(FormTest, IsCreatedHiddenWithTheClientSizeAsked) {
  TForm form(DialogSpec());
  EXPECT_FALSE(form.Visible());
  const RECT client = form.ClientRect();
  EXPECT_EQ(client.right, 258);
  EXPECT_EQ(client.bottom, 147);
  EXPECT_EQ(form.Left(), 100);
  EXPECT_EQ(form.Top(), 80);
}

TEST(FormTest, ModalLoopKeepsOtherTimersRunningAndClosesAfterTheClosingHandlerReturns) {
  TForm dialog(DialogSpec());
  int otherTicks = 0;
  TTimer other(20);
  other.OnTimer = [&] { ++otherTicks; };
  other.SetEnabled(true);
  int closeHandlerRuns = 0;
  dialog.OnClose = [&] { ++closeHandlerRuns; };
  bool visibleAfterClose = false;
  Later closing(400ms, [&] {
    dialog.Close();
    visibleAfterClose = dialog.Visible();
  });

  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_TRUE(visibleAfterClose) << "closing must wait until the handler has returned";
  EXPECT_FALSE(dialog.Visible());
  EXPECT_EQ(closeHandlerRuns, 1);
  EXPECT_GE(otherTicks, 3);
}

TEST(FormTest, ModalLoopDisablesTheOtherVisibleWindowsUntilItEnds) {
  TForm owner(DialogSpec());
  owner.Show();
  TForm dialog(DialogSpec());
  bool ownerEnabledDuringModal = true;
  Later closing(200ms, [&] {
    ownerEnabledDuringModal = ::IsWindowEnabled(owner.Handle()) != FALSE;
    dialog.SetModalResult(mrOk);
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_FALSE(ownerEnabledDuringModal);
  EXPECT_TRUE(::IsWindowEnabled(owner.Handle()));
}

TEST(FormTest, AnErrorInTheClosingHandlerKeepsTheModalFormOpen) {
  testing_support::ScriptedMessageBoxes boxes;
  TForm dialog(DialogSpec());
  int attempts = 0;
  dialog.OnClose = [&] {
    if (++attempts == 1) throw platform::EFCreateError("Cannot create file C:\\x");
  };
  Later first(100ms, [&] { dialog.Close(); });
  Later second(400ms, [&] { dialog.Close(); });
  EXPECT_EQ(dialog.ShowModal(), mrCancel);
  EXPECT_EQ(attempts, 2);
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Cannot create file C:\\x.");
}

TEST(FormTest, CentredFormsAreCentredOnlyAtTheirFirstShowing) {
  TForm form(DialogSpec(TPosition::poDesktopCenter));
  form.Show();
  const int expectedLeft = std::max(0, (::GetSystemMetrics(SM_CXVIRTUALSCREEN) - form.Width()) / 2);
  const int expectedTop = std::max(0, (::GetSystemMetrics(SM_CYVIRTUALSCREEN) - form.Height()) / 2);
  EXPECT_EQ(form.Left(), expectedLeft);
  EXPECT_EQ(form.Top(), expectedTop);
  form.Hide();
  form.SetBounds(10, 20, form.Width(), form.Height());
  form.Show();
  EXPECT_EQ(form.Left(), 10);
  EXPECT_EQ(form.Top(), 20);
  form.Hide();
}

TEST(FormTest, CreationHandlerErrorsAreShownAndCreationGoesOn) {
  testing_support::ScriptedMessageBoxes boxes;
  TForm form(DialogSpec());
  form.OnCreate = [] { throw platform::EFOpenError("Cannot open file C:\\Directory.drl"); };
  form.DoCreate();
  ASSERT_EQ(boxes.shown.size(), 1u);
  EXPECT_EQ(boxes.shown[0].text, "Cannot open file C:\\Directory.drl.");
}

}  // namespace
}  // namespace ui
