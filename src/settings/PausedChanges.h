// The pause of the changes as this user set it (settings/Pause.h): "/pause" and "/resume" from
// the desktop's menu, read by every run that would change the picture by itself.
#pragma once

#include <string>

namespace settings {

// PausedSince becomes now; a pause that holds keeps its beginning.
void PauseChanges();
void ResumeChanges();

// "changes paused since 14:02" while the changes are paused; empty when they are not. A pause
// that has ended by itself, as the user chose, is removed here.
std::string PausedChangesCaption();

}  // namespace settings
