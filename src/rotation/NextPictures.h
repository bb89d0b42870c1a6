// The rotation's choice of the next picture, made from the folder list's file, the folders and the
// stored values, without the main window: for the log-on run, a timed run and "Next picture".
// In order or at random as the counters say, each picture of the folder list's entry counted as
// the picture list counts them (with subfolders, those below it after them); or, dealing, from one
// shuffled deck of every picture of every entry, every picture once before any repeats. With a
// picture for each of several monitors, one each, none that another monitor shows while there are
// more pictures than monitors, at random one of the monitor's shape where there is one.
#pragma once

#include <functional>
#include <string>
#include <vector>

#include "rotation/Exclusions.h"
#include "rotation/History.h"
#include "settings/DayNightStore.h"
#include "wallpaper/MonitorPlacement.h"

namespace rotation {

// The log-on run changes the wallpaper at most once a day when the options ask; a timed run
// changes it every time, and leaves the day's date to the log-on run.
enum class OnceADay { kApplies, kIgnored };

struct NextPictures {
  bool changedToday = false;  // once a day, and changed today already: nothing was done
  // The monitors the pictures are for, in their order; none when one picture covers the desktop.
  std::vector<wallpaper::Monitor> monitors;
  // A picture for each monitor, or the one for the desktop; none when the folder has none.
  std::vector<std::string> pictures;
  // After the change (or at once, for a run that changes later): the folders looked at again for
  // pictures added and removed since, and the rotation's state kept for the next run; why it was
  // not kept (the change is made all the same). Empty when there is nothing to keep.
  std::function<std::string()> keepState;
};

// What a run tells of a missing folder list (the log-on run: a box; a timed run: its error), and
// the list the rotation goes on with (the log-on run: the one its window shows).
using ReportMissingList = std::function<std::vector<std::string>(const std::string& message)>;

// Chooses and keeps where it stopped (the counters at once; the deck with keepState), never an
// excluded picture. `shownNow` is what the desktop shows (the history's current change), if
// known. With day and night choosing folders, only those of the phase (every one when none is),
// from a deck of the phase's. With `forMonitor` (a device name), that monitor takes a new picture,
// and so does any other whose picture is gone or excluded; the others keep theirs. Fails as the
// log-on run fails: with "List index out of bounds (-1)" for an empty list, the list file's
// error, or "Cannot open file %s" for a picture that cannot be opened, before any counter is
// written.
NextPictures ChooseNextPictures(OnceADay onceADay, const ReportMissingList& reportMissingList, const Change* shownNow,
                                const settings::DayNightNow& dayNight, const std::string& forMonitor = {});

// The monitors that each show a picture of their own: none unless the options ask for it and
// there are two or more.
std::vector<wallpaper::Monitor> MonitorsWithPictures();

// Whether a picture can be shown: it is there and not excluded.
bool CanShow(const std::string& picture, const TExclusions& excluded);
// The picture `change` shows on `monitor` (its own there, else the desktop's one) while it is
// there and not excluded; empty otherwise, or without a change.
std::string ShowablePicture(const Change* change, const std::string& monitor, const TExclusions& excluded);

}  // namespace rotation
