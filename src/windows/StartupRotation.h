// The one-shot wallpaper change of a start-up run, done through the main window's own lists and
// handlers, so that the window ends as if a user had clicked the folder, the picture and
// "Set as wallpaper".
#pragma once

namespace windows {

class TFormMain;

// Picks the next (or a random) picture of the selected folders, keeps the counters and starts
// "Set as wallpaper"; at most once a day when asked.
void RunStartupRotation(TFormMain& form);

}  // namespace windows
