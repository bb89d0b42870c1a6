#include "platform/Paths.h"

namespace platform {

std::string ExtractFileDir(std::string_view path) {
  const size_t last = path.find_last_of("\\:");
  if (last == std::string_view::npos) return {};
  size_t end = last + 1;
  const bool isSeparator = path[last] == '\\';
  if (isSeparator && last > 0 && path[last - 1] != '\\' && path[last - 1] != ':') end = last;
  return std::string(path.substr(0, end));
}

}  // namespace platform
