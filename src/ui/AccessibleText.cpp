#include "ui/AccessibleText.h"

#include <algorithm>

namespace ui {

std::string AccessibleNameOf(std::string_view caption) {
  caption.remove_prefix(std::min(caption.find_first_not_of(' '), caption.size()));
  std::string name;
  for (size_t i = 0; i < caption.size(); ++i) {
    if (caption[i] == '&' && i + 1 < caption.size()) ++i;  // "&x" reads x, "&&" reads "&"
    name += caption[i];
  }
  return name;
}

char AccessKeyOf(std::string_view caption) {
  for (size_t i = 0; i + 1 < caption.size(); ++i) {
    if (caption[i] != '&') continue;
    if (caption[i + 1] != '&') {
      const char key = caption[i + 1];
      return key >= 'a' && key <= 'z' ? static_cast<char>(key - 'a' + 'A') : key;
    }
    ++i;
  }
  return 0;
}

bool IsAccessKeyOf(std::string_view caption, unsigned virtualKey) {
  const char key = AccessKeyOf(caption);
  return key != 0 && static_cast<unsigned char>(key) == virtualKey;
}

}  // namespace ui
