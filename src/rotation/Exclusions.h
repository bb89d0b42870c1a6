// The pictures the rotation never chooses: a text file of lines, one full path each, that the user
// may edit. A line that names no full path (blank, a note, a relative path) is passed over and
// kept as it is; a path in quotes (Explorer's "Copy as path") counts without them; paths are
// compared as Windows compares them (platform/Paths.h). The file is UTF-8, or UTF-16 with its
// byte-order mark as Notepad may save it. Needs no Windows.
#pragma once

#include <cstdint>
#include <span>
#include <string>
#include <string_view>
#include <unordered_set>

namespace rotation {

// The file's text as UTF-8: a UTF-16 file's turned into UTF-8 behind a UTF-8 byte-order mark, so
// that written back it stays a file of the same letters that Notepad reads as Unicode.
std::string ExclusionFileText(std::span<const std::uint8_t> bytes);

class TExclusions {
 public:
  TExclusions() = default;
  // `fileText`: as ExclusionFileText gives it.
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
