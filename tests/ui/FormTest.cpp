#include "ui/Form.h"

#include <gtest/gtest.h>

#include "platform/Exceptions.h"
#include "support/Later.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/Waiting.h"
#include "support/Windows.h"
#include "ui/Application.h"
#include "ui/Button.h"
#include "ui/MessageBoxes.h"
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
  layout.bounds = Design(100, 80, 258, 147);
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

// A form with two buttons, the first one focused at every showing.
struct FormWithButtons {
  FormWithButtons() {
    form.SetActiveControl(first);
    form.Show();
  }
  TForm form{DialogSpec()};
  TButton first{"First", form, Design(8, 8, 75, 25), "First"};
  TButton second{"Second", form, Design(8, 40, 75, 25), "Second"};
};

TEST(FormTest, ModalFormStaysAboveItsOpenerDisablesTheOthersAndGivesTheFocusBack) {
  FormWithButtons opener;
  EXPECT_EQ(::GetFocus(), opener.first.Handle());
  ::SetFocus(opener.second.Handle());
  TForm dialog(DialogSpec());
  bool openerEnabled = true, taskBarButtonEnabled = false;
  HWND dialogOwner = nullptr;
  Later closing(200ms, [&] {
    openerEnabled = ::IsWindowEnabled(opener.form.Handle()) != FALSE;
    taskBarButtonEnabled = ::IsWindowEnabled(Application().Handle()) != FALSE;
    dialogOwner = ::GetWindow(dialog.Handle(), GW_OWNER);
    dialog.SetModalResult(mrOk);
  });
  EXPECT_EQ(dialog.ShowModal(), mrOk);
  EXPECT_FALSE(openerEnabled);
  EXPECT_TRUE(taskBarButtonEnabled) << "the task-bar button must still bring the modal form up";
  EXPECT_EQ(dialogOwner, opener.form.Handle());
  EXPECT_TRUE(::IsWindowEnabled(opener.form.Handle()));
  EXPECT_EQ(::GetFocus(), opener.second.Handle());

  opener.form.Hide();
  opener.form.Show();
  EXPECT_EQ(::GetFocus(), opener.first.Handle()) << "a new showing starts at the active control";
}

TEST(FormTest, TheFocusComesBackAfterAMessageBox) {
  FormWithButtons form;
  ::SetFocus(form.second.Handle());
  TTimer answering(50);
  answering.OnTimer = [&] {
    if (auto box = testing_support::FindMessageBox(::GetCurrentProcessId())) {
      answering.SetEnabled(false);
      testing_support::PressButton(box->window, "OK");
    }
  };
  answering.SetEnabled(true);
  MessageDlg("No folder selected!", TMsgDlgType::mtWarning, TMsgDlgButtons::mbOK);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ::GetFocus() == form.second.Handle(); }, 2s));
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
  TFormSpec layout = DialogSpec(TPosition::poScreenCenter);
  layout.clientSize = false;
  layout.bounds = Design(0, 0, 291, 243);
  TForm form(layout);
  form.Show();
  ASSERT_EQ(::GetSystemMetrics(SM_CXSCREEN), 1280) << "the tests' desktop";
  ASSERT_EQ(::GetSystemMetrics(SM_CYSCREEN), 1024);
  EXPECT_EQ(form.Left(), 494);
  EXPECT_EQ(form.Top(), 390);
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
