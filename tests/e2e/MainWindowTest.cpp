// Vantoria.exe driven as a user drives it: clicks and keys at the main window's places.
#include <gtest/gtest.h>

#include <algorithm>

#include <shlobj.h>

#include "e2e/DesktopState.h"
#include "e2e/HostCommand.h"
#include "e2e/ScreenReader.h"
#include "e2e/UserInput.h"
#include "e2e/VantoriaProcess.h"
#include "pictures/BitmapFileBuilder.h"
#include "support/ScratchSettings.h"
#include "support/ScreenCapture.h"
#include "support/TestData.h"
#include "ui/Control.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;
using testing_support::ReadFileBytes;
using testing_support::ScratchFolder;

constexpr auto kStartDeadline = 30s;

// Places in the main window's client area.
constexpr POINT kTreeDocuments = {50, 72};  // the tree's fourth row under the desktop
constexpr POINT kFirstPicture = {30, 192};
constexpr POINT kSecondPicture = {30, 207};
constexpr POINT kFirstSelectedFolder = {300, 24};
constexpr POINT kSelect = {220, 80};
constexpr POINT kUnselect = {220, 112};
constexpr POINT kSetWallpaper = {100, 352};
constexpr POINT kClose = {100, 392};

std::string DocumentsFolder() {
  char folder[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_PERSONAL, nullptr, 0, folder);
  return folder;
}

// The documents folder as the tree names it (the shell may end it with a backslash).
bool IsDocumentsFolder(std::string path) {
  if (path.ends_with('\\')) path.pop_back();
  return path == DocumentsFolder();
}

std::string Picture(int width) {
  const std::vector<std::uint8_t> file = testing_support::BuildBitmapFile({.width = width, .height = 40});
  return {file.begin(), file.end()};
}

// Read without opening the file: a reader holding it open would make the program's replacement
// of it fail, as on Windows.
std::uint64_t FileSize(const std::string& path) {
  WIN32_FILE_ATTRIBUTE_DATA data = {};
  if (!::GetFileAttributesExA(path.c_str(), GetFileExInfoStandard, &data)) return 0;
  return (std::uint64_t{data.nFileSizeHigh} << 32) | data.nFileSizeLow;
}

std::vector<std::string> ListItems(HWND list) {
  std::vector<std::string> items;
  const auto count = ::SendMessageW(list, LB_GETCOUNT, 0, 0);
  for (int i = 0; i < count; ++i) {
    const std::wstring wide = testing_support::ListBoxItem(list, i);
    char text[MAX_PATH * 2] = {};
    ::WideCharToMultiByte(CP_ACP, 0, wide.c_str(), -1, text, sizeof text, nullptr, nullptr);
    items.push_back(text);
  }
  return items;
}

// Two pictures in the user's documents folder (a folder of the test prefix), which the tree
// shows under the desktop.
class DocumentsPictures {
 public:
  DocumentsPictures() {
    for (int i = 0; i < 2; ++i) testing_support::WriteFileBytes(Path(i), Picture(60 + i));
  }
  ~DocumentsPictures() {
    for (int i = 0; i < 2; ++i) ::DeleteFileA(Path(i).c_str());
  }
  static std::string Name(int index) { return "vantoria " + std::to_string(index) + ".bmp"; }
  static std::string Path(int index) { return DocumentsFolder() + "\\" + Name(index); }
};

class MainWindowTest : public ::testing::Test {
 protected:
  void Start(const std::string& list) {
    testing_support::WriteFileBytes(program_ / "Directory.drl", list);
    vantoria_ = std::make_unique<VantoriaProcess>(program_, "");
    main_ = vantoria_->WaitForWindow("Vantoria v1.0", kStartDeadline);
    ASSERT_NE(main_, nullptr);
    ::SetForegroundWindow(main_);
    testing_support::PumpFor(300ms);
    selectedFolders_ = ChildAt(main_, "ListBox", 248, 16);
    pictures_ = ChildAt(main_, "ListBox", 8, 184);
    ASSERT_NE(selectedFolders_, nullptr);
    ASSERT_NE(pictures_, nullptr);
  }
  void Click(POINT place) { ClickAt(main_, place.x, place.y); }
  std::string AnswerBox() {
    const auto box = vantoria_->AnswerMessageBox("OK", 5s);
    return box ? box->text : "<no box>";
  }
  // Pixels of an area of the client area, as the screen shows them.
  std::vector<COLORREF> Area(const RECT& area) const {
    POINT origin = {0, 0};
    ::ClientToScreen(main_, &origin);
    const testing_support::ScreenCapture screen;
    std::vector<COLORREF> pixels;
    for (int y = area.top; y < area.bottom; y += 2)
      for (int x = area.left; x < area.right; x += 2) pixels.push_back(screen.At(origin.x + x, origin.y + y));
    return pixels;
  }
  std::vector<COLORREF> Preview() const { return Area(ui::Bounds(208, 192, 217, 145)); }
  std::vector<COLORREF> Sizes() const { return Area(ui::Bounds(200, 352, 120, 32)); }
  bool HintShown() const {
    for (HWND tip = nullptr; (tip = ::FindWindowExA(nullptr, tip, "tooltips_class32", nullptr));) {
      DWORD process = 0;
      ::GetWindowThreadProcessId(tip, &process);
      if (process == vantoria_->Id() && ::IsWindowVisible(tip)) return true;
    }
    return false;
  }

  CleanWallpaperState clean_;
  ScratchFolder program_;
  std::unique_ptr<VantoriaProcess> vantoria_;
  HWND main_ = nullptr;
  HWND selectedFolders_ = nullptr;
  HWND pictures_ = nullptr;
};

TEST_F(MainWindowTest, BrowsePreviewSelectFoldersAndSetWallpapersByMouseAndKeyboard) {
  DocumentsPictures documents;
  Start("");

  Click(kTreeDocuments);
  const std::vector<std::string> names = {DocumentsPictures::Name(0), DocumentsPictures::Name(1)};
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ListItems(pictures_) == names; }, 5s));
  const std::vector<COLORREF> empty = Preview();
  const std::vector<COLORREF> noSizes = Sizes();
  Click(kFirstPicture);
  EXPECT_EQ(::SendMessageA(pictures_, LB_GETCURSEL, 0, 0), 0);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return Preview() != empty; }, 5s)) << "the preview shows the picture";
  EXPECT_NE(Sizes(), noSizes) << "the height and width lines change";
  PointAt(main_, 300, 260);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return HintShown(); }, 5s)) << "the preview's hint names the picture";

  Click(kSelect);
  ASSERT_EQ(ListItems(selectedFolders_).size(), 1u);
  EXPECT_TRUE(IsDocumentsFolder(ListItems(selectedFolders_)[0]));
  Click(kSelect);
  EXPECT_EQ(AnswerBox(), "Folder allready selected!");
  EXPECT_EQ(ListItems(selectedFolders_).size(), 1u);
  Click(kUnselect);
  EXPECT_EQ(AnswerBox(), "No folder selected!");

  // Ctrl+S: the first picture after 2 s.
  PressKeys("ctrl+s");
  ASSERT_TRUE(testing_support::WaitUntil([&] { return DesktopValue("Wallpaper") == WallpaperFile(); }, 10s));
  EXPECT_EQ(ReadFileBytes(WallpaperFile()).substr(54), Picture(60).substr(54));

  // "Set as wallpaper" with the second picture.
  Click(kSecondPicture);
  Click(kSetWallpaper);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return FileSize(WallpaperFile()) == Picture(61).size(); }, 10s));
  EXPECT_EQ(ReadFileBytes(WallpaperFile()).substr(54), Picture(61).substr(54));

  // Actions, "Exclude from the rotation": the picture joins the user's list, ticked when the menu
  // opens again; chosen again, it leaves the list.
  const auto excluded = [] {
    const std::string path = testing_support::ScratchSettings::KeptFile("Excluded pictures.txt");
    return FileSize(path) > 0 ? ReadFileBytes(path) : std::string();
  };
  PressKeys("alt+t r");
  EXPECT_TRUE(testing_support::WaitUntil([&] { return excluded() == DocumentsPictures::Path(1) + "\r\n"; }, 5s));
  PressKeys("alt+t");
  EXPECT_TRUE(testing_support::WaitUntil(
      [&] { return ::GetMenuState(::GetSubMenu(::GetMenu(main_), 0), 2, MF_BYPOSITION) & MF_CHECKED; }, 5s));
  PressKeys("r");
  EXPECT_TRUE(testing_support::WaitUntil([&] { return excluded().empty(); }, 5s));

  // Actions, Options, then Cancel; Help, About, then Enter.
  PressKeys("alt+t o");
  HWND options = vantoria_->WaitForWindow("Options", 5s);
  ASSERT_NE(options, nullptr);
  PressKeys("Escape");
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(options); }, 5s));
  PressKeys("alt+h a");
  HWND about = vantoria_->WaitForWindow("About", 5s);
  ASSERT_NE(about, nullptr);
  PressKeys("Return");
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(about); }, 5s));

  // "<<" with the folder chosen removes it.
  Click(kFirstSelectedFolder);
  Click(kUnselect);
  EXPECT_TRUE(ListItems(selectedFolders_).empty());
  Click(kClose);
  EXPECT_TRUE(vantoria_->WaitForExit(10s).has_value());
}

// Keys typed right after a dialog closes reach the main window: the focus is back in the tree at
// once, not on the hidden dialog's control.
TEST_F(MainWindowTest, TheFocusComesBackToTheMainWindowAsSoonAsADialogCloses) {
  Start("");
  const auto focus = [&] {
    GUITHREADINFO thread = {sizeof thread};
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(main_, nullptr), &thread);
    return thread.hwndFocus;
  };
  HWND tree = ChildAt(main_, "SysTreeView32", 8, 16);
  for (int round = 0; round < 3; ++round) {
    PressKeys("alt+t o");
    HWND options = vantoria_->WaitForWindow("Options", 5s);
    ASSERT_NE(options, nullptr);
    PressKeys("Escape");
    const auto closed = std::chrono::steady_clock::now();
    ASSERT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(options); }, 5s));
    ASSERT_TRUE(testing_support::WaitUntil([&] { return focus() == tree; }, 10s));
    EXPECT_LT(std::chrono::steady_clock::now() - closed, 250ms);
  }
}

// Screen readers find every control: the windowless ones as simple children of the window's
// object, with their names, roles, places and default actions, and the windowed ones named.
TEST_F(MainWindowTest, ScreenReadersNameEveryControlAndPressTheFlatButtons) {
  DocumentsPictures documents;
  Start("");
  EXPECT_EQ(ScreenReader(ChildAt(main_, "SysTreeView32", 8, 16)).Name(), "Folders");
  EXPECT_EQ(ScreenReader(selectedFolders_).Name(), "List of selected folders");
  EXPECT_EQ(ScreenReader(pictures_).Name(), "Pictures");
  EXPECT_EQ(ScreenReader(ChildAt(main_, "VantoriaWindow", 208, 192)).Name(), "Picture") << "no picture yet";

  const ScreenReader reader(main_);
  ASSERT_TRUE(reader.Found());
  POINT origin = {0, 0};
  ::ClientToScreen(main_, &origin);
  struct Button {
    const char* name;
    const char* description;
    RECT place;
  };
  for (const Button& button :
       {Button{">>", "Select folder", ui::Bounds(200, 72, 41, 17)},
        Button{"<<", "Unselect folder", ui::Bounds(200, 104, 41, 17)},
        Button{"Set as wallpaper", "Sets selected image as wallpaper", ui::Bounds(8, 344, 185, 17)},
        Button{"Close", "", ui::Bounds(8, 384, 185, 17)}}) {
    const AccessibleItem item = reader.Child(button.name);
    EXPECT_EQ(item.role, ROLE_SYSTEM_PUSHBUTTON) << button.name;
    EXPECT_EQ(item.description, button.description);
    EXPECT_EQ(item.defaultAction, "Press");
    EXPECT_EQ(item.state & STATE_SYSTEM_UNAVAILABLE, 0);
    RECT place = button.place;
    ::OffsetRect(&place, origin.x, origin.y);
    EXPECT_TRUE(::EqualRect(&item.place, &place)) << button.name;
  }
  for (const char* label : {"List of selected folders:", "Width:", "Height:"})
    EXPECT_EQ(reader.Child(label).role, ROLE_SYSTEM_STATICTEXT) << label;
  // As a screen reader walks them: the child windows as named objects, then the simple children.
  std::vector<std::string> objects;
  for (const AccessibleItem& item : reader.Children()) {
    EXPECT_FALSE(item.name.empty()) << "a nameless child, role " << item.role;
    if (item.id == 0) objects.push_back(item.name);
  }
  for (const char* named : {"Folders", "List of selected folders", "Pictures"})
    EXPECT_EQ(std::ranges::count(objects, named), 1) << named;
  const ULONG count = static_cast<ULONG>(reader.Children().size());
  EXPECT_EQ(reader.SkipFromStart(count), S_OK) << "exactly to the end";
  EXPECT_EQ(reader.SkipFromStart(count + 1), S_FALSE);
  EXPECT_EQ(reader.SkipFromStart(ULONG_MAX), S_FALSE);

  Click(kTreeDocuments);
  EXPECT_TRUE(reader.DoDefaultAction(reader.Child(">>").id));
  EXPECT_TRUE(testing_support::WaitUntil([&] { return ListItems(selectedFolders_).size() == 1; }, 5s));
  Click(kFirstPicture);
  EXPECT_EQ(ScreenReader(ChildAt(main_, "VantoriaWindow", 208, 192)).Name(),
            "Picture: " + DocumentsPictures::Path(0));
  EXPECT_TRUE(reader.DoDefaultAction(reader.Child("Set as wallpaper").id));
  EXPECT_TRUE(testing_support::WaitUntil([&] { return DesktopValue("Wallpaper") == WallpaperFile(); }, 10s));
}

// The About dialog's links, out of the tab order, are links to a screen reader, followed by their
// default action; the options dialog's Display box is named by its label.
TEST_F(MainWindowTest, ScreenReadersFindTheAboutLinksAndTheDisplayBox) {
  Start("");
  PressKeys("alt+h a");
  HWND about = vantoria_->WaitForWindow("About", 5s);
  ASSERT_NE(about, nullptr);
  const std::vector<AccessibleItem> walk = ScreenReader(about).Children(true);
  for (const char* link : {"Brindlework Homepage", "E - Mail"}) {
    const auto found = std::ranges::find(walk, std::string(link), &AccessibleItem::name);
    ASSERT_NE(found, walk.end()) << link << " is not reached from the dialog";
    const AccessibleItem& item = *found;
    EXPECT_EQ(item.role, ROLE_SYSTEM_LINK) << link;
    EXPECT_TRUE(item.state & STATE_SYSTEM_LINKED) << link;
    EXPECT_EQ(item.defaultAction, "Jump") << link;
  }
  PressKeys("Return");
  ASSERT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(about); }, 5s));

  PressKeys("alt+t o");
  HWND options = vantoria_->WaitForWindow("Options", 5s);
  ASSERT_NE(options, nullptr);
  EXPECT_EQ(ScreenReader(ChildAt(options, "ComboBox", 8, 24)).Name(), "Display");
  PressKeys("Escape");
}

// Every command from the keyboard: Delete removes the chosen folder as "<<" does, Alt+D puts
// the focus in the options' Display box, as its label says.
TEST_F(MainWindowTest, DeleteRemovesTheChosenFolderAndAltDFocusesTheDisplayBox) {
  Start("C:\\first\r\nC:\\second\r\n");
  Click(kFirstSelectedFolder);
  PressKeys("Delete");
  EXPECT_TRUE(testing_support::WaitUntil(
      [&] { return ListItems(selectedFolders_) == std::vector<std::string>{"C:\\second"}; }, 5s));
  PressKeys("Delete");
  EXPECT_EQ(AnswerBox(), "No folder selected!");

  PressKeys("alt+t o");
  HWND options = vantoria_->WaitForWindow("Options", 5s);
  ASSERT_NE(options, nullptr);
  PressKeys("alt+w alt+d");
  HWND display = ChildAt(options, "ComboBox", 8, 24);
  const auto focus = [&] {
    GUITHREADINFO thread = {sizeof thread};
    ::GetGUIThreadInfo(::GetWindowThreadProcessId(options, nullptr), &thread);
    return thread.hwndFocus;
  };
  EXPECT_TRUE(testing_support::WaitUntil([&] { return focus() == display || ::IsChild(display, focus()); }, 5s));
  EXPECT_EQ(::SendMessageA(ChildAt(options, "Button", 8, 128), BM_GETCHECK, 0, 0), BST_CHECKED) << "Alt+W";
  PressKeys("alt+c");
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(options); }, 5s)) << "Alt+C";
}

// Display stored as a number by a script: one box, then a dialog that works, whose OK stores
// the value as text again.
TEST_F(MainWindowTest, AnUnreadableStoredDisplayIsReportedOnceAndOkRepairsIt) {
  const testing_support::ScratchSettings settings;
  const DWORD number = 2;
  ::RegSetKeyValueA(HKEY_CURRENT_USER, "Software\\Vantoria\\Settings", "Display", REG_DWORD, &number, sizeof number);
  testing_support::ScratchSettings::SetValue("ChangeWP", "1");
  Start("");
  PressKeys("alt+t o");
  EXPECT_EQ(AnswerBox(), "Invalid data type for 'Display'");
  HWND options = vantoria_->WaitForWindow("Options", 5s);
  ASSERT_NE(options, nullptr);
  EXPECT_FALSE(vantoria_->WaitForMessageBox(1500ms).has_value()) << "the box came back";
  EXPECT_EQ(::SendMessageA(ChildAt(options, "ComboBox", 8, 24), CB_GETCURSEL, 0, 0), CB_ERR);
  EXPECT_EQ(::SendMessageA(ChildAt(options, "Button", 8, 128), BM_GETCHECK, 0, 0), BST_CHECKED) << "the rest is read";
  PressKeys("alt+o");
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !::IsWindowVisible(options); }, 5s));
  EXPECT_EQ(testing_support::ScratchSettings::Value("Display"), "-1");
}

// The folder whose pictures are shown is not held: Explorer, or any program, can rename it.
TEST_F(MainWindowTest, TheShownFolderCanBeRenamedFromAnotherProgram) {
  ScratchFolder root;
  const std::string shown = root / "pictures";
  ASSERT_TRUE(::CreateDirectoryA(shown.c_str(), nullptr));
  testing_support::WriteFileBytes(shown + "\\a.bmp", Picture(60));
  Start(shown + "\r\n");
  Click(kFirstSelectedFolder);
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ListItems(pictures_) == std::vector<std::string>{"a.bmp"}; }, 5s));

  const std::string renamed = root / "renamed";
  EXPECT_TRUE(::MoveFileA(shown.c_str(), renamed.c_str())) << "error " << ::GetLastError();
  ::PostMessageA(main_, WM_CLOSE, 0, 0);
  EXPECT_TRUE(vantoria_->WaitForExit(10s).has_value());
}

// The size the preview's labels give for the picture clicked last.
std::string PreviewSize(HWND main) {
  std::string size;
  for (const AccessibleItem& item : ScreenReader(main).Children())
    if (item.name.starts_with("Width:") || item.name.starts_with("Height:")) size += item.name + ";";
  return size;
}

// With "Show all picture types", every kind this PC's imaging component decodes (Wine: PNG, GIF,
// TIFF, ICO..., no WebP or HEIC) is listed, previewed and set, each decoded in a helper process
// that a damaged file cannot take the program down with.
TEST_F(MainWindowTest, AllPictureTypesListPreviewAndSetWhatThisPcDecodesAndSurviveDamagedFiles) {
  ScratchFolder folder;
  // 40 x 30 pictures made by ImageMagick: its options, then the format its writer takes.
  for (const auto& [name, format] : std::initializer_list<std::pair<const char*, const char*>>{
           {"a 8-bit.png", "PNG24"}, {"b palette.png", "PNG8"}, {"c 16-bit.png", "-depth 16 PNG48"},
           {"d alpha.png", "PNG32"}, {"e interlaced.png", "-interlace PNG PNG24"}, {"f.gif", "GIF"},
           {"g.tif", "-compress none TIFF"}, {"h.ico", "ICO"}, {"i.webp", "WEBP"}})
    ASSERT_EQ(RunHostProgram("convert", std::string("-size 40x30 gradient:'rgba(255,0,0,1)-rgba(0,0,255,0.2)' ") +
                                            format + ":'" + HostPath(folder / name) + "'"),
              0)
        << name;
  testing_support::WriteFileBytes(folder / "j.heic", std::string("\0\0\0\x18" "ftypheic\0\0\0\0mif1heic", 24));
  const std::string png = ReadFileBytes(folder / "a 8-bit.png");
  testing_support::WriteFileBytes(folder / "k truncated.png", png.substr(0, png.size() / 2));
  const std::vector<std::uint8_t> jxr = testing_support::ReadTestData("../../../shared/corpora/wic/damaged-abort.jxr");
  testing_support::WriteFileBytes(folder / "l damaged.jxr", std::string(jxr.begin(), jxr.end()));
  testing_support::WriteFileBytes(folder / "m.bmp", Picture(20));
  testing_support::ScratchSettings::SetValue("AllPictures", "1");
  ::RegSetKeyValueA(HKEY_CURRENT_USER, "Control Panel\\Colors", "Background", REG_SZ, "10 20 30", 9);
  Start(folder.Path() + "\r\n" + folder.Path() + "\\*.png\r\n");
  Click(kFirstSelectedFolder);
  const std::vector<std::string> listed = ListItems(pictures_);
  EXPECT_EQ(listed, (std::vector<std::string>{"a 8-bit.png", "b palette.png", "c 16-bit.png", "d alpha.png",
                                              "e interlaced.png", "f.gif", "g.tif", "h.ico", "k truncated.png",
                                              "l damaged.jxr", "m.bmp"}));
  Click(kFirstPicture);
  for (const std::string& name : listed) {
    const std::string expected = name == "m.bmp"                                      ? "Height: 40;Width:  20;"
                                 : name.starts_with("k ") || name.starts_with("l ") ? "Height: 0;Width:  0;"
                                                                                      : "Height: 30;Width:  40;";
    EXPECT_TRUE(testing_support::WaitUntil([&] { return PreviewSize(main_) == expected; }, 10s))
        << name << ": " << PreviewSize(main_);
    if (name == "d alpha.png") {
      Click(kSetWallpaper);
      const std::string flattened = program_ / "flattened.bmp";
      ASSERT_EQ(RunHostProgram("convert", "'" + HostPath(folder / name) +
                                              "' -background 'rgb(10,20,30)' -flatten BMP3:'" + HostPath(flattened) + "'"),
                0);
      const std::string expectedFile = ReadFileBytes(flattened);
      ASSERT_TRUE(testing_support::WaitUntil([&] { return FileSize(WallpaperFile()) == expectedFile.size(); }, 15s));
      const std::string wallpaper = ReadFileBytes(WallpaperFile());
      for (size_t i = 54; i < wallpaper.size(); ++i)
        EXPECT_NEAR(static_cast<std::uint8_t>(wallpaper[i]), static_cast<std::uint8_t>(expectedFile[i]), 1) << i;
    }
    PressKeys("Down");
  }
  EXPECT_FALSE(vantoria_->WaitForExit(100ms).has_value()) << "a damaged file took the program down";
  EXPECT_EQ(ListItems(pictures_).size(), listed.size());

  // A typed mask lists its kind whatever the option says; without the option, only the program's own.
  ::PostMessageA(main_, WM_CLOSE, 0, 0);
  ASSERT_TRUE(vantoria_->WaitForExit(10s).has_value());
  testing_support::ScratchSettings::SetValue("AllPictures", "0");
  Start(ReadFileBytes(program_ / "Directory.drl"));
  Click(kFirstSelectedFolder);
  EXPECT_EQ(ListItems(pictures_), std::vector<std::string>{"m.bmp"});
  Click({300, 24 + 15});
  EXPECT_EQ(ListItems(pictures_).size(), 6u) << "the .png files";
  Click(kFirstPicture);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return PreviewSize(main_) == "Height: 30;Width:  40;"; }, 10s));
}

// While a 6000 x 4000 PNG decodes, the window answers at once; a click on another picture shows
// that one at once and ends the decoding helper.
TEST_F(MainWindowTest, TheWindowAnswersWhileALargePictureDecodes) {
  ScratchFolder folder;
  const std::string large = HostPath(folder / "a large.png");
  ASSERT_EQ(RunHostProgram("convert", "-size 6000x4000 xc:gray +noise Random PNG24:'" + large + "'"), 0);
  testing_support::WriteFileBytes(folder / "b.bmp", Picture(20));
  testing_support::ScratchSettings::SetValue("AllPictures", "1");
  Start(folder.Path() + "\r\n");
  Click(kFirstSelectedFolder);
  ASSERT_TRUE(testing_support::WaitUntil([&] { return ListItems(pictures_).size() == 2; }, 5s));
  const auto running = [] { return testing_support::RunningProcesses("Vantoria.exe").size(); };
  const auto helperRuns = [&] { return running() > 1; };
  Click(kSecondPicture);
  PressKeys("Up");
  // One probe may straddle the helper's end, after which the window takes the picture in.
  bool helperSeen = false;
  int unanswered = 0;
  for (const auto deadline = std::chrono::steady_clock::now() + 20s; std::chrono::steady_clock::now() < deadline;) {
    const bool runs = helperRuns();
    if (helperSeen && !runs) break;
    helperSeen = helperSeen || runs;
    char caption[64] = {};
    const bool answered = ::SendMessageTimeoutA(main_, WM_GETTEXT, sizeof caption, reinterpret_cast<LPARAM>(caption),
                                                SMTO_ABORTIFHUNG, 100, nullptr);
    unanswered = answered || !runs ? 0 : unanswered + 1;
    ASSERT_LT(unanswered, 2) << "no answer within 0.1 s while the helper works";
  }
  EXPECT_TRUE(helperSeen);
  EXPECT_TRUE(testing_support::WaitUntil([&] { return PreviewSize(main_) == "Height: 4000;Width:  6000;"; }, 5s));

  Click(kSecondPicture);
  PressKeys("Up Down");  // the large one again, and away from it while it decodes
  EXPECT_TRUE(testing_support::WaitUntil([&] { return PreviewSize(main_) == "Height: 40;Width:  20;"; }, 1s));
  EXPECT_TRUE(testing_support::WaitUntil([&] { return !helperRuns(); }, 300ms)) << "the helper goes on";
  testing_support::PumpFor(1500ms);
  EXPECT_EQ(PreviewSize(main_), "Height: 40;Width:  20;") << "a late answer was shown";

  PressKeys("Up");  // and Windows ends the session while it decodes
  ASSERT_TRUE(testing_support::WaitUntil(helperRuns, 5s));
  vantoria_->EndSession();
  EXPECT_TRUE(testing_support::WaitUntil([&] { return running() == 0; }, 300ms)) << "the helper outlived the program";
}

enum class CloseBy { closeBox, closeButton, actionsExit };

class ClosingTest : public MainWindowTest, public ::testing::WithParamInterface<CloseBy> {};

TEST_P(ClosingTest, EachWayOfClosingSavesTheListWithoutAQuestion) {
  DocumentsPictures documents;
  Start("C:\\first\r\n");
  Click(kTreeDocuments);
  Click(kSelect);
  const std::vector<std::string> selected = ListItems(selectedFolders_);
  ASSERT_EQ(selected.size(), 2u);
  EXPECT_TRUE(IsDocumentsFolder(selected[1]));

  switch (GetParam()) {
    case CloseBy::closeBox: {
      RECT bounds;
      ::GetWindowRect(main_, &bounds);
      POINT box = {bounds.right - 12, bounds.top + 10};
      ::ScreenToClient(main_, &box);
      Click(box);
      break;
    }
    case CloseBy::closeButton:
      Click(kClose);
      break;
    case CloseBy::actionsExit:
      PressKeys("alt+t x");
      break;
  }
  ASSERT_TRUE(vantoria_->WaitForExit(10s).has_value()) << "closed without a question";
  EXPECT_EQ(ReadFileBytes(program_ / "Directory.drl"), "C:\\first\r\n" + selected[1] + "\r\n");
}

INSTANTIATE_TEST_SUITE_P(ThreeWays, ClosingTest,
                         ::testing::Values(CloseBy::closeBox, CloseBy::closeButton, CloseBy::actionsExit));

}  // namespace
}  // namespace e2e
