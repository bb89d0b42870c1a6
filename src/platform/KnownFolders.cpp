#include "platform/KnownFolders.h"

#include <shlobj.h>

#include <memory>

#include "platform/WideText.h"

namespace platform {

std::string LocalAppDataFolder() {
  wchar_t* path = nullptr;
  const HRESULT result = ::SHGetKnownFolderPath(FOLDERID_LocalAppData, KF_FLAG_CREATE, nullptr, &path);
  const std::unique_ptr<wchar_t, decltype(&::CoTaskMemFree)> owned(path, &::CoTaskMemFree);
  if (FAILED(result) || !path) return {};
  return FromWide(path);
}

}  // namespace platform
