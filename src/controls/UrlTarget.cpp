#include "controls/UrlTarget.h"

#include <array>

namespace controls {

std::string UrlTarget(TProtocol protocol, const std::string& url) {
  static constexpr std::array<const char*, 5> kPrefixes = {"", "mailto:", "http://", "ftp://", "file:"};
  const auto index = static_cast<size_t>(protocol);
  const std::string prefix = index < kPrefixes.size() ? kPrefixes[index] : "";
  if (url.starts_with(prefix)) return url;
  return prefix + url;
}

}  // namespace controls
