// The pictures the rotation never chooses: a text file of UTF-8 lines, one full path each, that
// the user may edit. A line that names no full path (blank, a note, a relative path) is passed
// over and kept as it is; paths are compared as Windows compares them, letters of any case and
// either slash. Needs no Windows.
#pragma once

#include <string>
#include <string_view>
#include <unordered_set>

namespace rotation {

class TExclusions {
 public:
  TExclusions() = default;
  explicit TExclusions(std::string_view fileText);

  bool Excludes(std::string_view path) const;
  bool Empty() const { return keys_.empty(); }

 private:
  std::unordered_set<std::string> keys_;
};

// The file's text with `path` at its end (unchanged when a line names it already), or without
// every line that names it; the other lines as they were.
std::string TextExcluding(std::string_view fileText, std::string_view path);
std::string TextNotExcluding(std::string_view fileText, std::string_view path);

}  // namespace rotation
