// The extension that picks a picture's kind: the text after the path's last ".", unless a "\"
// or ":" follows that dot.
#pragma once

#include <string>
#include <string_view>

namespace pictures {

std::string PictureExtension(std::string_view path);

}  // namespace pictures
