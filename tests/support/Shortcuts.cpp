#include "support/Shortcuts.h"

#include <windows.h>

#include <shlobj.h>
#include <shobjidl.h>

#include <cstdio>

#include "platform/ComPtr.h"
#include "platform/ComScope.h"
#include "platform/WideText.h"

namespace testing_support {
namespace {

platform::ComPtr<IShellLinkW> ShellLink() {
  platform::ComPtr<IShellLinkW> link;
  ::CoCreateInstance(CLSID_ShellLink, nullptr, CLSCTX_INPROC_SERVER, IID_IShellLinkW, link.ReceiveVoid());
  return link;
}

}  // namespace

std::string NextKeysShortcutPath() {
  char programs[MAX_PATH] = {};
  ::SHGetFolderPathA(nullptr, CSIDL_PROGRAMS, nullptr, 0, programs);
  return std::string(programs) + "\\Vantoria next picture.lnk";
}

std::string ShortcutText(const std::string& path) {
  const platform::ComScope com;
  const platform::ComPtr<IShellLinkW> link = ShellLink();
  platform::ComPtr<IPersistFile> file;
  if (!link || FAILED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())) ||
      FAILED(file->Load(platform::ToWide(path).c_str(), STGM_READ)))
    return "<none>";
  wchar_t target[MAX_PATH] = {}, arguments[256] = {};
  WORD hotKey = 0;
  link->GetPath(target, MAX_PATH, nullptr, SLGP_RAWPATH);
  link->GetArguments(arguments, 256);
  link->GetHotkey(&hotKey);
  char keys[8] = {};
  std::snprintf(keys, sizeof keys, "%04X", hotKey);
  return "\"" + platform::FromWide(target) + "\" " + platform::FromWide(arguments) + " " + keys;
}

bool WriteShortcut(const std::string& path, std::uint16_t hotKey) {
  const platform::ComScope com;
  const platform::ComPtr<IShellLinkW> link = ShellLink();
  platform::ComPtr<IPersistFile> file;
  return link && SUCCEEDED(link->SetPath(L"C:\\windows\\notepad.exe")) && SUCCEEDED(link->SetHotkey(hotKey)) &&
         SUCCEEDED(link->QueryInterface(IID_IPersistFile, file.ReceiveVoid())) &&
         SUCCEEDED(file->Save(platform::ToWide(path).c_str(), TRUE));
}

}  // namespace testing_support
