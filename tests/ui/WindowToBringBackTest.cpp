#include "ui/WindowToBringBack.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

namespace ui {
namespace {

// Windows by number, 0 for none: those that exist, those that can be activated, and the box each
// form opened last.
struct FakeWindows {
  std::set<int> existing;
  std::set<int> activatable;
  std::map<int, int> lastPopup;

  bool Exists(int window) const { return window != 0 && existing.contains(window); }
  int LastActivePopup(int form) const { return lastPopup.contains(form) ? lastPopup.at(form) : form; }
  bool CanBeActivated(int window) const { return Exists(window) && activatable.contains(window); }
};

constexpr int kLastForm = 1, kMainForm = 2, kBox = 3;

TEST(WindowToBringBackTest, TheLastFormsBoxThenTheLastFormThenTheMainFormsThenNone) {
  FakeWindows windows{{kLastForm, kMainForm, kBox}, {kLastForm, kMainForm, kBox}, {{kLastForm, kBox}}};
  EXPECT_EQ(WindowToBringBack(kLastForm, kMainForm, windows), kBox);
  windows.activatable.erase(kBox);  // hidden
  EXPECT_EQ(WindowToBringBack(kLastForm, kMainForm, windows), kLastForm);
  windows.activatable.erase(kLastForm);  // disabled behind a box of another form
  EXPECT_EQ(WindowToBringBack(kLastForm, kMainForm, windows), kMainForm);
  windows.existing.erase(kLastForm);
  windows.lastPopup[kMainForm] = kBox;
  windows.activatable.insert(kBox);
  EXPECT_EQ(WindowToBringBack(kLastForm, kMainForm, windows), kBox) << "the box the main form opened";
  EXPECT_EQ(WindowToBringBack(0, 0, windows), 0);
  windows.activatable.clear();
  EXPECT_EQ(WindowToBringBack(kLastForm, kMainForm, windows), 0);
}

}  // namespace
}  // namespace ui
