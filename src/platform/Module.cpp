#include "platform/Module.h"

#include <windows.h>

#include <cstdlib>
#include <vector>

#include "platform/Paths.h"

namespace platform {

std::string ExecutablePath() {
  std::vector<char> path(MAX_PATH);
  for (;;) {
    const DWORD length = ::GetModuleFileNameA(nullptr, path.data(), static_cast<DWORD>(path.size()));
    if (length < path.size()) return std::string(path.data(), length);
    path.resize(path.size() * 2);
  }
}

std::string ExecutableDirectory() { return ExtractFileDir(ExecutablePath()); }

std::string ParamStr(int index) {
  if (index < 0 || index >= __argc || !__argv) return {};
  return __argv[index];
}

}  // namespace platform
