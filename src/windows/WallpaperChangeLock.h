// One change of the wallpaper and of the rotation's counters at a time in the user's session:
// the log-on run, a timed run, "Next picture" and "Set as wallpaper" each hold the lock while
// they change them.
#pragma once

#include <chrono>

#include "platform/Exceptions.h"
#include "platform/NamedMutex.h"

namespace windows {

inline constexpr std::chrono::seconds kChangeLockWait{10};

class WallpaperChangeLock : public platform::NamedMutex {
 public:
  WallpaperChangeLock() : NamedMutex("Local\\Vantoria.Change") {}

  // Fails when another change holds it for longer than a change takes.
  void TakeForChange() {
    if (!Take(kChangeLockWait)) throw platform::Exception("Another change of the wallpaper is under way");
  }
};

}  // namespace windows
