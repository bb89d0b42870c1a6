// Feeds the folder-list reader arbitrary bytes: every entry it gives must be written and read
// back unchanged, and no entry may hold a line end or a zero byte.
#include <cstdlib>
#include <string_view>

#include "browse/FolderListText.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, size_t size) {
  const std::vector<std::string> entries =
      browse::ParseFolderList(std::string_view(reinterpret_cast<const char*>(data), size));
  for (const std::string& entry : entries)
    if (entry.find_first_of(std::string_view("\r\n\0", 3)) != std::string::npos) std::abort();
  if (browse::ParseFolderList(browse::FolderListText(entries)) != entries) std::abort();
  return 0;
}
