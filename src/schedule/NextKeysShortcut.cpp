#include "schedule/NextKeysShortcut.h"

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <vector>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/Exceptions.h"
#include "platform/KnownFolders.h"
#include "platform/Module.h"
#include "platform/Paths.h"
#include "platform/SystemError.h"
#include "platform/WideText.h"
#include "schedule/DesktopMenuCommand.h"
#include "schedule/ProgramCommand.h"

namespace schedule {
namespace {

constexpr char kShortcutName[] = "Vantoria next picture.lnk";

std::string ShortcutPath() {
  const std::string folder = platform::UserProgramsFolder();
  if (folder.empty()) throw platform::Exception("Windows gives no Start menu folder");
  return folder + "\\" + kShortcutName;
}

void Check(HRESULT result, const char* what) {
  if (FAILED(result))
    throw platform::Exception(std::string(what) + ": " + platform::SystemErrorText(static_cast<DWORD>(result)));
}

platform::ComPtr<IShellLinkW> NewShellLink() {
  platform::ComPtr<IShellLinkW> link;
  Check(::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid()),
        "no shortcut can be made");
  return link;
}

// The shortcut at `path` loaded; nothing when it cannot be read.
platform::ComPtr<IShellLinkW> LoadShellLink(const std::string& path) {
  platform::ComPtr<IShellLinkW> link = NewShellLink();
  platform::ComPtr<IPersistFile> file;
  if (FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())) ||
      FAILED(file->Load(platform::ToWide(path).c_str(), STGM_READ)))
    return {};
  return link;
}

// Every shortcut file below `folder`, its subfolders' too.
void CollectShortcuts(const std::string& folder, std::vector<std::string>& found) {
  WIN32_FIND_DATAW entry;
  const HANDLE search = ::FindFirstFileExW(platform::ToWide(folder + "\\*").c_str(), FindExInfoBasic, &entry,
                                           FindExSearchNameMatch, nullptr, FIND_FIRST_EX_LARGE_FETCH);
  if (search == INVALID_HANDLE_VALUE) return;
  do {
    const std::string name = platform::FromWide(entry.cFileName);
    if (name == "." || name == "..") continue;
    const std::string path = folder + "\\" + name;
    if (entry.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) {
      if (!(entry.dwFileAttributes & FILE_ATTRIBUTE_REPARSE_POINT)) CollectShortcuts(path, found);
    } else if (name.size() > 4 && platform::SamePath(std::string_view(name).substr(name.size() - 4), ".lnk")) {
      found.push_back(path);
    }
  } while (::FindNextFileW(search, &entry));
  ::FindClose(search);
}

}  // namespace

std::optional<NextKeysShortcut> ReadNextKeysShortcut() {
  const platform::ComScope com;
  const std::string folder = platform::UserProgramsFolder();
  if (folder.empty()) return std::nullopt;
  const platform::ComPtr<IShellLinkW> link = LoadShellLink(folder + "\\" + kShortcutName);
  if (!link) return std::nullopt;
  wchar_t target[MAX_PATH] = {}, arguments[1024] = {};
  WORD hotKey = 0;
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetArguments(arguments, 1024);
  link->GetHotkey(&hotKey);
  return NextKeysShortcut{ProgramCommand(platform::FromWide(target), platform::FromWide(arguments)), hotKey};
}

void WriteNextKeysShortcut(std::uint16_t hotKey) {
  const platform::ComScope com;
  const platform::ComPtr<IShellLinkW> link = NewShellLink();
  const std::string program = platform::ExecutablePath();
  link->SetPath(platform::ToWide(program).c_str());
  link->SetArguments(platform::ToWide(kNextPictureSwitch).c_str());
  link->SetWorkingDirectory(platform::ToWide(platform::ExecutableDirectory()).c_str());
  link->SetIconLocation(platform::ToWide(program).c_str(), 0);
  link->SetDescription(L"The next picture as the wallpaper");
  Check(link->SetHotkey(hotKey), "the shortcut takes no hot key");
  platform::ComPtr<IPersistFile> file;
  Check(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid()), "the shortcut cannot be saved");
  Check(file->Save(platform::ToWide(ShortcutPath()).c_str(), TRUE), "the shortcut cannot be saved");
}

void RemoveNextKeysShortcut() {
  const std::string folder = platform::UserProgramsFolder();
  if (folder.empty()) return;
  const std::string path = folder + "\\" + kShortcutName;
  if (!::DeleteFileW(platform::ToWide(path).c_str()) && ::GetLastError() != ERROR_FILE_NOT_FOUND)
    throw platform::Exception("the shortcut \"" + path + "\" cannot be removed: " +
                              platform::SystemErrorText(::GetLastError()));
}

std::optional<std::string> ShortcutWithHotKey(std::uint16_t hotKey) {
  const platform::ComScope com;
  std::vector<std::string> shortcuts;
  for (const std::string& folder : platform::HotKeyShortcutFolders()) CollectShortcuts(folder, shortcuts);
  const std::string own = platform::UserProgramsFolder() + "\\" + kShortcutName;
  for (const std::string& path : shortcuts) {
    if (platform::SamePath(path, own)) continue;
    WORD used = 0;
    const platform::ComPtr<IShellLinkW> link = LoadShellLink(path);
    if (link && SUCCEEDED(link->GetHotkey(&used)) && used == hotKey) return path;
  }
  return std::nullopt;
}

}  // namespace schedule
