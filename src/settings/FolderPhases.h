// When each selected folder is shown: at any time (as most are), by day only or by night only.
// Kept in the user's data folder as "Day and night.txt", UTF-8 lines of "day" or "night", a space
// and the folder's full path, for the folders that are not "any time"; a line the program does not
// read is passed over. The folder list's own file keeps its format. Needs no Windows.
#pragma once

#include <map>
#include <string>
#include <string_view>
#include <vector>

#include "schedule/SunTimes.h"

namespace settings {

enum class ShownWhen { kAnyTime, kByDay, kByNight };

class TFolderPhases {
 public:
  TFolderPhases() = default;
  explicit TFolderPhases(std::string_view fileText);

  ShownWhen Of(const std::string& folder) const;
  void Set(const std::string& folder, ShownWhen when);
  // Whether a folder is marked by day or by night.
  bool AnyMarked() const { return !marks_.empty(); }
  std::string Text() const;

 private:
  struct Mark {
    std::string path;
    ShownWhen when;
  };
  std::map<std::string, Mark> marks_;  // by the path as compared (platform/Paths.h)
};

// Whether a folder shown `when` fits the phase: one of any time fits both.
bool Fits(ShownWhen when, schedule::Phase phase);

// The entries that fit the phase, by their numbers; every entry when none does (never "no
// picture" because of the phase).
std::vector<std::size_t> EntriesOfPhase(const std::vector<ShownWhen>& entries, schedule::Phase phase);

}  // namespace settings
