// The one-shot wallpaper change of a start-up run, done through the main window's own lists and
// handlers, so that the window ends as if a user had clicked the folder, the picture and
// "Set as wallpaper".
#pragma once

namespace windows {

class TFormMain;

// The log-on run changes the wallpaper at most once a day when the options ask; a timed run
// changes it every time, and leaves the day's date to the log-on run.
enum class OnceADay { kApplies, kIgnored };

// Picks the next (or a random) picture of the selected folders, keeps the counters and starts
// "Set as wallpaper", holding the window's change lock.
void RunStartupRotation(TFormMain& form, OnceADay onceADay);

}  // namespace windows
