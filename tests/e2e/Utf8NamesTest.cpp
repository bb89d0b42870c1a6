// Folder and picture names outside every legacy code page: the program's code page is UTF-8, so
// its 8-bit names hold them, and "Directory.drl" keeps them as UTF-8.
#include <gtest/gtest.h>

#include "e2e/DesktopState.h"
#include "e2e/UserInput.h"
#include "e2e/VantoriaProcess.h"
#include "pictures/BitmapFileBuilder.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::ReadFileBytes;
using testing_support::ScratchFolder;
using testing_support::ScratchSettings;

std::wstring Wide(const std::string& ascii) { return {ascii.begin(), ascii.end()}; }

std::string Utf8(const std::wstring& text) {
  std::string bytes(text.size() * 4, '\0');
  bytes.resize(static_cast<size_t>(::WideCharToMultiByte(CP_UTF8, 0, text.c_str(), static_cast<int>(text.size()),
                                                          bytes.data(), static_cast<int>(bytes.size()), nullptr,
                                                          nullptr)));
  return bytes;
}

class Utf8NamesTest : public ::testing::Test {
 protected:
  Utf8NamesTest() : folder_(Wide(root_.Path()) + L"\\\x0395\x03B9\x03BA\x03CC\x03BD\x03B5\x03C2") {  // Εικόνες
    ::CreateDirectoryW(folder_.c_str(), nullptr);
    const std::vector<std::uint8_t> picture = testing_support::BuildBitmapFile({.width = 50, .height = 30});
    picture_.assign(picture.begin(), picture.end());
    const std::wstring path = folder_ + L"\\" + kPictureName;
    HANDLE file = ::CreateFileW(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    ::WriteFile(file, picture_.data(), static_cast<DWORD>(picture_.size()), &written, nullptr);
    ::CloseHandle(file);
    listText_ = Utf8(folder_) + "\r\n";
    testing_support::WriteFileBytes(program_ / "Directory.drl", listText_);
  }
  ~Utf8NamesTest() override {
    ::DeleteFileW((folder_ + L"\\" + kPictureName).c_str());
    ::RemoveDirectoryW(folder_.c_str());
  }

  static constexpr const wchar_t* kPictureName = L"\x041F\x0435\x0439\x0437\x0430\x0436.bmp";  // Пейзаж.bmp

  CleanWallpaperState clean_;
  ScratchFolder program_;
  ScratchFolder root_;
  std::wstring folder_;
  std::string picture_;
  std::string listText_;
};

TEST_F(Utf8NamesTest, GreekFolderAndCyrillicPictureAreListedSetAsWallpaperAndKept) {
  {
    VantoriaProcess vantoria(program_, "");
    HWND main = vantoria.WaitForWindow("Vantoria v1.0", 30s);
    ASSERT_NE(main, nullptr);
    ::SetForegroundWindow(main);
    HWND selected = ChildAt(main, "ListBox", 248, 16);
    HWND pictures = ChildAt(main, "ListBox", 8, 184);
    EXPECT_EQ(testing_support::ListBoxItem(selected, 0), folder_) << "read from the list file";
    ClickAt(main, 300, 24);
    ASSERT_TRUE(testing_support::WaitUntil([&] { return ::SendMessageW(pictures, LB_GETCOUNT, 0, 0) == 1; }, 5s));
    EXPECT_EQ(testing_support::ListBoxItem(pictures, 0), kPictureName);
    ClickAt(main, 30, 192);
    ClickAt(main, 100, 352);  // Set as wallpaper
    EXPECT_TRUE(testing_support::WaitUntil([&] { return DesktopValue("Wallpaper") == WallpaperFile(); }, 10s));
    EXPECT_EQ(ReadFileBytes(WallpaperFile()).substr(54), picture_.substr(54));
    ClickAt(main, 100, 392);  // Close
    ASSERT_TRUE(vantoria.WaitForExit(10s).has_value());
  }
  EXPECT_EQ(ReadFileBytes(program_ / "Directory.drl"), listText_) << "written back as UTF-8";

  // The start-up run finds the same folder and picture.
  ::DeleteFileA(WallpaperFile().c_str());
  VantoriaProcess startup(program_, "/s");
  ASSERT_TRUE(startup.WaitForExit(30s).has_value());
  EXPECT_EQ(ScratchSettings::Value("File"), "1");
  EXPECT_EQ(ReadFileBytes(WallpaperFile()).substr(54), picture_.substr(54));
}

}  // namespace
}  // namespace e2e
