// Day and night as this user chose them, and as they are now: the folders' marks in the user's
// data folder, the stored choice, Windows' light and dark mode, and the sun where the user is.
#pragma once

#include <optional>
#include <string>

#include "schedule/SunTimes.h"
#include "settings/DayNight.h"
#include "settings/FolderPhases.h"

namespace settings {

// The marks as kept; none when the file is missing, cannot be read or is no text.
TFolderPhases ReadFolderPhases();
// Written whole; fails with the file's error.
void KeepFolderPhases(const TFolderPhases& phases);

// The stored choice; off, with `why`, when a value cannot be taken.
DayNightChoice StoredDayNight(std::string& why);
void StoreDayNight(const DayNightChoice& choice);

// Windows' light and dark mode for this user's programs: AppsUseLightTheme 1 or missing is day,
// 0 night.
schedule::Phase ThemePhase();

// What day and night are at a moment, as the user chose them.
struct DayNightNow {
  std::optional<schedule::Phase> phase;       // none: off
  std::optional<schedule::PhaseChange> next;  // with the sun: the next sunrise or sunset
  bool anyFolderMarked = false;               // the phase chooses the folders only then
  std::string why;                            // a stored value that could not be taken
  // Whether the rotation takes the phase's folders and deck.
  bool Chooses() const { return phase && anyFolderMarked; }
  // The sunrise or sunset the task waits for: with the sun, while a folder is marked.
  std::optional<schedule::UtcSeconds> SunChangeToWaitFor() const {
    return next && anyFolderMarked ? std::optional(next->at) : std::nullopt;
  }
  // "; night; next: day at 2026-12-10 08:05", for LastTimerRun; empty when off.
  std::string Outcome() const;
};
DayNightNow DayNightAt(schedule::UtcSeconds moment);

}  // namespace settings
