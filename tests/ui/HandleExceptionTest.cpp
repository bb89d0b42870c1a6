#include <gtest/gtest.h>

#include <new>

#include "platform/Exceptions.h"
#include "support/HostForm.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/Waiting.h"
#include "ui/Application.h"
#include "ui/Form.h"
#include "ui/Image.h"
#include "ui/MessageBoxes.h"
#include "ui/Timer.h"

namespace ui {
namespace {

using namespace std::chrono_literals;

// Throws from a real timer tick, so the error travels the way a handler's error does.
void ThrowFromATick(const std::function<void()>& thrower) {
  TTimer timer(10);
  int ticks = 0;
  timer.OnTimer = [&] {
    ++ticks;
    thrower();
  };
  timer.SetEnabled(true);
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ticks >= 2; }, 5s)) << "the timer stopped after an error";
}

// A picture whose drawing fails, as a damaged JPEG's first drawing does.
class FailingPicture : public TGraphic {
 public:
  int Width() const override { return 10; }
  int Height() const override { return 10; }
  void LoadFromFile(const std::string&) override {}
  void Draw(TCanvas&, const RECT&) override { throw platform::EReadError("Stream read error"); }
};

// The process's GDI objects. Wine counts none (GetGuiResources answers 0), but takes a handle's
// table index alone for the handle, so there the live entries are counted one by one.
int GdiObjectCount() {
  if (const DWORD counted = ::GetGuiResources(::GetCurrentProcess(), GR_GDIOBJECTS)) return static_cast<int>(counted);
  int live = 0;
  for (ULONG_PTR index = 1; index <= 0xFFFF; ++index)
    if (::GetObjectType(reinterpret_cast<HGDIOBJ>(index))) ++live;
  return live;
}

TEST(HandleExceptionTest, HandlerErrorsAreShownWithTheTitleAndTheLoopGoesOn) {
  Application().SetTitle("Vantoria");
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw platform::EReadError("Stream read error"); });
  ASSERT_GE(boxes.shown.size(), 2u);
  EXPECT_EQ(boxes.shown[0].caption, "Vantoria");
  EXPECT_EQ(boxes.shown[0].text, "Stream read error.");
  EXPECT_EQ(boxes.shown[0].icon, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(boxes.shown[0].buttons, static_cast<UINT>(MB_OK));
}

TEST(HandleExceptionTest, MessagesEndingInPunctuationGetNoSecondPeriod) {
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw platform::Exception("Folder allready selected!"); });
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].text, "Folder allready selected!");
}

TEST(HandleExceptionTest, SilentAbortShowsNothing) {
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw platform::EAbort(""); });
  EXPECT_TRUE(boxes.shown.empty());
}

TEST(HandleExceptionTest, OutOfMemoryIsReportedNotFatal) {
  testing_support::ScriptedMessageBoxes boxes;
  ThrowFromATick([] { throw std::bad_alloc(); });
  ASSERT_FALSE(boxes.shown.empty());
  EXPECT_EQ(boxes.shown[0].text, "Out of memory.");
}

TEST(HandleExceptionTest, APaintingErrorIsShownEachTimeAndKeepsNoDeviceContext) {
  testing_support::ScriptedMessageBoxes boxes;
  TForm form(testing_support::HostFormSpec());
  TImage image("Image", form, Design(0, 0, 50, 50), {}, false);
  image.SetPicture(std::make_unique<FailingPicture>());
  form.Show();
  const auto repaint = [&] { ::RedrawWindow(image.Handle(), nullptr, nullptr, RDW_INVALIDATE | RDW_UPDATENOW); };
  repaint();  // what the first painting makes once (fonts, brushes) is not a leak
  const int objectsBefore = GdiObjectCount();
  const size_t boxesBefore = boxes.shown.size();
  constexpr size_t kPaintings = 10000;
  for (size_t i = 0; i < kPaintings; ++i) repaint();
  EXPECT_LT(GdiObjectCount(), objectsBefore + 10);
  EXPECT_EQ(boxes.shown.size() - boxesBefore, kPaintings);
}

}  // namespace
}  // namespace ui
