// Path text rules of the picture file list: its mask, its selected file path and the texts
// that point it at a folder.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace browse {

// "*.jpg;*.jpeg;*.bmp;" gives "*.jpg", "*.jpeg", "*.bmp" and a final empty pattern.
std::vector<std::string> SplitMask(std::string_view mask);

bool HasWildcard(std::string_view text);
// "C:\..." or "\\server\share...": a path that names its place whatever the current folder.
bool IsFullPath(std::string_view text);
// Whether a file name matches a pattern of the mask as the file search matches it: letter case
// does not matter (for the letters of ASCII), "*" stands for any run of characters, "?" for one,
// and a pattern ending in ".*" also matches a name without a dot.
bool MatchesPattern(std::string_view name, std::string_view pattern);

// The folder and a name joined by one backslash; a folder ending in one (a drive's root) gets
// no second.
std::string JoinPath(std::string_view folder, std::string_view name);

// A text split into the folder it names and its last component. Here and below a forward slash
// separates as a backslash does, as it does for Windows.
struct AppliedPath {
  // The root (a drive, a share, else `currentDrive`) and the folder part; empty for a text
  // without any backslash, which names something within the current directory.
  std::string folder;
  // The part after the last backslash, a trailing backslash dropped first.
  std::string last;
};
AppliedPath SplitAppliedPath(std::string_view text, std::string_view currentDrive);

// `path` taken from within `folder` (a full path): a path without a drive is on `folder`'s drive
// (or share), a path without a leading backslash is inside `folder` (when it names `folder`'s
// drive, or no drive), and a full path stays as it is. Nothing is normalised.
std::string ResolvedAgainst(std::string_view folder, std::string_view path);

}  // namespace browse
