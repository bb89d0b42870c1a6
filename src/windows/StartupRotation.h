// The one-shot wallpaper change of a log-on run: the rotation's next pictures, set through the
// main window's "Set as wallpaper", whose second phase comes on its timer.
#pragma once

namespace windows {

class TFormMain;

// Chooses the next (or a random) picture of the selected folders, at most once a day when the
// options ask and never while the changes are paused, and starts "Set as wallpaper" for it,
// holding the window's change lock. What the log-on run reports shows in boxes.
void RunStartupRotation(TFormMain& form);

}  // namespace windows
