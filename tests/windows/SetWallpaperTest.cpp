#include <gtest/gtest.h>

#include "browse/PicturePreview.h"
#include "pictures/BitmapFormat.h"
#include "pictures/PictureErrors.h"
#include "platform/Exceptions.h"
#include "platform/RegistryStore.h"
#include "support/BitmapBytes.h"
#include "support/ScratchFolder.h"
#include "support/ScratchSettings.h"
#include "support/ScriptedMessageBoxes.h"
#include "support/TestData.h"
#include "support/Waiting.h"
#include "ui/ProgramServices.h"
#include "wallpaper/Wallpaper.h"
#include "windows/AboutD.h"
#include "windows/MainForm.h"
#include "windows/PictureClick.h"
#include "settings/UserDataFolder.h"

namespace windows {
namespace {

using namespace std::chrono_literals;
using testing_support::ReadFileBytes;
using testing_support::ScratchFolder;

class SetWallpaperTest : public ::testing::Test {
 protected:
  SetWallpaperTest() {
    RemoveWallpaperFiles();
    Desktop("Wallpaper", "before");
    for (const char* source : {"bmpsuite/g/pal8.bmp", "jpeg/testorig.jpg"}) {
      const std::string name = std::string(source).substr(std::string(source).rfind('/') + 1);
      ::CopyFileA(testing_support::TestDataPath(source).c_str(), (folder_ / name).c_str(), FALSE);
    }
    form_.FileLB.ApplyFilePath(folder_.Path());
  }
  ~SetWallpaperTest() override { RemoveWallpaperFiles(); }

  void RemoveWallpaperFiles() {
    for (const std::string& file : {target_, userTarget_}) {
      ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_NORMAL);
      ::DeleteFileA(file.c_str());
    }
  }
  // A file a standard user cannot replace; tests run with rights that ignore folder permissions.
  static void Unwritable(const std::string& file) {
    testing_support::WriteFileBytes(file, "old");
    ::SetFileAttributesA(file.c_str(), FILE_ATTRIBUTE_READONLY);
  }

  void Click(const std::string& name) { ClickPicture(form_, name); }
  static std::string Desktop(const char* name) {
    return platform::RegistryStore(wallpaper::kDesktopKey).ReadString("", name, "<none>");
  }
  static void Desktop(const char* name, const char* text) {
    platform::RegistryStore(wallpaper::kDesktopKey).WriteString("", name, text);
  }

  const std::string target_ = wallpaper::WallpaperFilePath();
  const std::string userTarget_ = settings::UserDataFolder() + "\\" + wallpaper::kWallpaperFileName;
  testing_support::ScratchSettings settings_;
  testing_support::ScriptedMessageBoxes boxes_;
  ScratchFolder folder_;
  TFormMain form_;
};

TEST_F(SetWallpaperTest, WithoutASelectedPictureNothingHappensButTheBox) {
  form_.SetBClick();
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].caption, "Error");
  EXPECT_EQ(boxes_.shown[0].text, " No file selected! ");
  EXPECT_FALSE(form_.Timer.Enabled());
  EXPECT_EQ(Desktop("Wallpaper"), "before");
}

TEST_F(SetWallpaperTest, BitmapIsSavedFromThePreviewInTheStoredStyleWhileOptionsWereNeverShown) {
  testing_support::ScratchSettings::SetValue("Display", "2");
  Click("pal8.bmp");
  const std::vector<std::uint8_t> expected = testing_support::SavedBytes(*browse::PreviewBitmap(form_.Slika));
  form_.SetBClick();
  EXPECT_TRUE(form_.Timer.Enabled());
  EXPECT_EQ(form_.Timer.Interval(), 2000u);
  form_.TimerTimer();
  EXPECT_FALSE(form_.Timer.Enabled());
  EXPECT_EQ(ReadFileBytes(target_), std::string(expected.begin(), expected.end()));
  EXPECT_EQ(Desktop("Wallpaper"), target_);
  EXPECT_EQ(Desktop("TileWallpaper"), "0");
  EXPECT_EQ(Desktop("WallpaperStyle"), "2");
  EXPECT_EQ(Desktop("WallpaperOriginX"), "0");
  EXPECT_EQ(Desktop("WallpaperOriginY"), "0");

  // A stored style written by hand as a number cannot be read: the wallpaper takes none.
  const DWORD stretch = 2;
  ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Vantoria\\Settings", "Display", REG_DWORD, &stretch,
                    sizeof stretch);
  form_.SetBClick();
  form_.TimerTimer();
  EXPECT_EQ(Desktop("TileWallpaper"), "0");
  EXPECT_EQ(Desktop("WallpaperStyle"), "-1");
}

TEST_F(SetWallpaperTest, AWallpaperTheSystemRefusesIsReportedAndTheValuesWrittenStay) {
  wallpaper::SetDeskWallpaperHook([](const std::string&) {
    ::SetLastError(ERROR_ACCESS_DENIED);  // as under a policy that locks the desktop background
    return false;
  });
  Click("pal8.bmp");
  form_.SetBClick();
  ui::Guarded([&] { form_.TimerTimer(); });
  wallpaper::SetDeskWallpaperHook({});
  ASSERT_EQ(boxes_.shown.size(), 1u);
  EXPECT_EQ(boxes_.shown[0].icon, static_cast<UINT>(MB_ICONERROR));
  EXPECT_EQ(boxes_.shown[0].text.rfind("System Error.  Code: 5.", 0), 0u) << boxes_.shown[0].text;
  EXPECT_EQ(Desktop("Wallpaper"), target_);
}

TEST_F(SetWallpaperTest, JpegGoesThroughTheImagingComponentAndTheChosenStyleIsWritten) {
  settings::TODialog options;
  settings::TDayNightDialog dayNight;
  TAboutDialog about;
  form_.ConnectDialogs(options, dayNight, about);
  options.FormActivate();  // shown: from now on its selection, confirmed or not, is the style
  for (int style : {0, 2}) {
    options.DisplayCB.SetItemIndex(style);
    Click("testorig.jpg");
    form_.SetBClick();
    form_.TimerTimer();
    const std::string file = ReadFileBytes(target_);
    const pictures::ParsedBitmap bitmap =
        pictures::ParseBitmap({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()});
    EXPECT_EQ(bitmap.format.info.width, 227);
    EXPECT_EQ(bitmap.format.info.bitCount, 24);
    EXPECT_EQ(Desktop("TileWallpaper"), style == 0 ? "1" : "0");
    EXPECT_EQ(Desktop("WallpaperStyle"), style == 0 ? "0" : "2");
  }
}

TEST_F(SetWallpaperTest, ThePictureAskedForIsSetEvenWhenAnotherIsClickedMeanwhile) {
  Click("testorig.jpg");
  form_.SetBClick();
  Click("pal8.bmp");
  form_.TimerTimer();
  const std::string file = ReadFileBytes(target_);
  EXPECT_EQ(pictures::ParseBitmap({reinterpret_cast<const std::uint8_t*>(file.data()), file.size()}).format.info.width,
            227);
}

TEST_F(SetWallpaperTest, ASecondPressDoesNotRestartTheTimerAndOnlyOneSecondPhaseRuns) {
  Click("pal8.bmp");
  const unsigned long long start = ::GetTickCount64();
  form_.SetBClick();
  testing_support::PumpFor(700ms);
  form_.SetBClick();
  ASSERT_TRUE(testing_support::WaitUntil([&] { return testing_support::FileExists(target_); }, 5s));
  EXPECT_LT(::GetTickCount64() - start, 2600u) << "the second press restarted the timer";
  ::DeleteFileA(target_.c_str());
  testing_support::PumpFor(2500ms);
  EXPECT_FALSE(testing_support::FileExists(target_)) << "a second phase ran";
}

TEST_F(SetWallpaperTest, WhereTheWindowsFolderCannotTakeTheFileTheUsersOwnTakesTheSameBytes) {
  for (const char* name : {"pal8.bmp", "testorig.jpg"}) {
    RemoveWallpaperFiles();
    Click(name);
    form_.SetBClick();
    form_.TimerTimer();
    const std::string written = ReadFileBytes(target_);
    Unwritable(target_);
    form_.SetBClick();
    form_.TimerTimer();
    EXPECT_EQ(ReadFileBytes(target_), "old");
    EXPECT_EQ(ReadFileBytes(userTarget_), written) << name;
    EXPECT_EQ(Desktop("Wallpaper"), userTarget_);
    EXPECT_EQ(Desktop("TileWallpaper"), "1");
    EXPECT_EQ(Desktop("WallpaperStyle"), "0");
  }
}

TEST_F(SetWallpaperTest, WhereNeitherFolderTakesTheFileTheErrorNamesTheUsersAndNoDesktopValueIsWritten) {
  Unwritable(target_);
  Unwritable(userTarget_);
  Click("pal8.bmp");
  form_.SetBClick();
  try {
    form_.TimerTimer();
    ADD_FAILURE() << "no error";
  } catch (const platform::EFCreateError& error) {
    EXPECT_EQ(error.Message(), "Cannot create file " + userTarget_);
  }
  EXPECT_EQ(Desktop("Wallpaper"), "before");
}

TEST_F(SetWallpaperTest, AFileThatFailsOnceCreatedIsNotTriedAgainElsewhere) {
  testing_support::WriteFileBytes(folder_ / "broken.jpg", "\xFF\xD8 no JPEG data");
  form_.FileLB.ApplyFilePath(folder_.Path() + "\\broken.jpg");
  form_.FileLBClick();
  form_.SetBClick();
  EXPECT_THROW(form_.TimerTimer(), pictures::EJPEG);
  EXPECT_FALSE(testing_support::FileExists(target_));
  EXPECT_FALSE(testing_support::FileExists(userTarget_));
  EXPECT_EQ(Desktop("Wallpaper"), "before");
}

}  // namespace
}  // namespace windows
