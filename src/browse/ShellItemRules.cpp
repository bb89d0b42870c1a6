#include "browse/ShellItemRules.h"

#include <algorithm>

namespace browse {

bool ShowsInFolderTree(std::uint32_t attributes) { return (attributes & kShellItemIsStream) == 0; }

bool IsClassIdName(std::string_view name) { return name.substr(0, 3) == "::{"; }

std::string WithoutQuestionMarks(std::string name) {
  if (name.size() >= 2 && name[0] == '?' && name[1] >= '0' && name[1] <= '9')
    name.erase(std::remove(name.begin(), name.end(), '?'), name.end());
  return name;
}

}  // namespace browse
