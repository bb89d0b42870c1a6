#include "pictures/PictureExtension.h"

namespace pictures {

std::string PictureExtension(std::string_view path) {
  const size_t dot = path.find_last_of(".\\:");
  if (dot == std::string_view::npos || path[dot] != '.') return {};
  return std::string(path.substr(dot + 1));
}

}  // namespace pictures
