// A pause of the changes the program makes by itself (the timed task, the log-on run, sunrise and
// sunset): stored as the local minute it began ("PausedSince": "2026-12-09 14:02"), and ended by
// "/resume" or, as the user chose ("ResumeAfter": "never", "hour" or "day"), by the first run an
// hour later or on a later day. The changes the user asks for are never paused. Needs no Windows.
#pragma once

#include <string>
#include <string_view>

#include "platform/Clock.h"

namespace settings {

enum class ResumeAfter { kNever, kAnHour, kTheNextDay };

// An unknown stored text is "never": a pause the user set is not ended by a value they did not.
ResumeAfter ResumeAfterOfStored(std::string_view text);
const char* StoredTextOf(ResumeAfter resumeAfter);

// Whether a pause that began at `pausedSince` has ended by itself at `now`. A begin that cannot be
// read (written by hand) ends at the first run unless the pause is never to end by itself.
bool PauseEnded(std::string_view pausedSince, const platform::LocalTime& now, ResumeAfter resumeAfter);

// "changes paused since 14:02", with the date when the pause began on another day, and without a
// moment that cannot be read.
std::string PausedCaption(std::string_view pausedSince, const platform::LocalTime& now);

}  // namespace settings
