#include "platform/KnownFolders.h"

#include <shlobj.h>

#include <memory>

#include "platform/WideText.h"

namespace platform {
namespace {

std::string KnownFolder(REFKNOWNFOLDERID folder, DWORD flags) {
  wchar_t* path = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(folder, flags, nullptr, &path);
  const std::unique_ptr<wchar_t, decltype(&::CoTaskMemFree)> owned(path, &::CoTaskMemFree);
  if (FAILED(result) || !path) return {};
  return FromWide(path);
}

}  // namespace

std::string LocalAppDataFolder() { return KnownFolder(FOLDERID_LocalAppData, KF_FLAG_CREATE); }

std::string UserProgramsFolder() { return KnownFolder(FOLDERID_Programs, KF_FLAG_CREATE); }

std::vector<std::string> HotKeyShortcutFolders() {
  std::vector<std::string> folders;
  for (const KNOWNFOLDERID* folder :
       {&FOLDERID_Programs, &FOLDERID_CommonPrograms, &FOLDERID_Desktop, &FOLDERID_PublicDesktop})
    if (std::string path = KnownFolder(*folder, 0); !path.empty()) folders.push_back(std::move(path));
  return folders;
}

}  // namespace platform
