#include "platform/Module.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/Paths.h"
#include "platform/WideText.h"

namespace platform {
namespace {

// The executable's full path, however long, through the "A" or the "W" call.
template <typename Char, typename Get>
std::basic_string<Char> ModuleFileName(Get get) {
  std::vector<Char> path(MAX_PATH);
  for (;;) {
    const DWORD length = get(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::basic_string<Char>(path.data(), length);
    path.resize(path.size() * 2);
  }
}

}  // namespace

std::string ExecutablePath() { return ModuleFileName<char>(::GetModuleFileNameA); }

bool ExecutablePathSurvivesCodePage() {
  return SurvivesCodePage(ModuleFileName<wchar_t>(::GetModuleFileNameW), ::GetACP());
}

std::string ExecutableDirectory() { return ExtractFileDir(ExecutablePath()); }

std::string ParamStr(int index) {
  if (index < 0 || index >= __argc || !__argv) return {};
  return __argv[index];
}

}  // namespace platform
