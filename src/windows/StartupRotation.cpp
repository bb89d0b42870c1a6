#include "windows/StartupRotation.h"

#include <windows.h>

#include <algorithm>

#include "browse/FileListPaths.h"
#include "pictures/PictureFile.h"
#include "platform/Files.h"
#include "platform/ShortDate.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"
#include "wallpaper/DisplayMonitors.h"
#include "wallpaper/RotationChoice.h"
#include "wallpaper/RotationRandom.h"
#include "windows/MainForm.h"

namespace windows {
namespace {

wallpaper::RotationRandom RandomFromClock() {
  SYSTEMTIME now;
  ::GetSystemTime(&now);
  return wallpaper::RotationRandom(
      wallpaper::RotationRandom::SeedFromTimeOfDay(now.wHour, now.wMinute, now.wSecond, now.wMilliseconds));
}

// A kind whose header the program does not read (HEIC, camera RAW) is asked of a helper process,
// which costs a start each: only so often for one monitor.
constexpr int kHelperAsksPerMonitor = 2;

// Whether picture `index` of the list suits the monitor's shape, from its header alone.
bool PictureSuitsMonitor(const browse::TFileListBox& pictures, int index, const wallpaper::Monitor& monitor,
                         int& helperAsks) {
  try {
    const auto size =
        pictures::PictureFileSize(browse::JoinPath(pictures.Directory(), pictures.Item(index)), helperAsks);
    return size && wallpaper::SuitsMonitor(size->width, size->height, monitor.area.width, monitor.area.height);
  } catch (const platform::Exception&) {
    return false;  // unreadable: no better than any other
  }
}

}  // namespace

// With a picture for each of several monitors, each monitor takes its turn, in their order, as
// one run would: the counters go on from one to the next.
void RunStartupRotation(TFormMain& form, OnceADay onceADay) {
  using settings::TRotationSettings;
  form.ChangeLock().TakeForChange();
  // Held on by the wallpaper's second phase, when the rotation armed it.
  struct Done {
    TFormMain& form;
    ~Done() { form.ReleaseChangeLockWhenDone(); }
  } done{form};
  platform::RegistryStore store = settings::OpenSettingsStore();
  TRotationSettings stored;
  stored.Load(store);
  if (onceADay == OnceADay::kApplies && stored.changeWP &&
      TRotationSettings::ChangedAlready(store, platform::TodayShortDate()))
    return;

  form.FormCreate();  // the list as its file holds it now
  std::vector<wallpaper::Monitor> monitors;
  if (settings::StoredPerMonitor()) monitors = wallpaper::DisplayMonitors();
  const std::size_t turns = monitors.size() >= 2 ? monitors.size() : 1;
  wallpaper::RotationRandom generator = RandomFromClock();
  std::vector<std::string> chosen;
  for (std::size_t turn = 0; turn < turns; ++turn) {
    const int folder = wallpaper::RotationFolder(stored.folder, form.SelDirLB.Count());
    form.SelDirLB.SetItemIndex(folder);
    form.SelDirLBClick();  // an empty list fails here, before any counter is written

    int file = stored.file;
    if (stored.rndFile) file = static_cast<int>(generator.Draw(static_cast<std::uint32_t>(form.FileLB.Count())));
    wallpaper::RotationChoice choice = wallpaper::ChooseRotationPicture(file, folder, form.FileLB.Count());
    if (stored.rndFile && turns > 1 && form.FileLB.Count() > 0) {
      const auto shown = [&](int index) {
        return std::ranges::count(chosen, browse::JoinPath(form.FileLB.Directory(), form.FileLB.Item(index))) > 0;
      };
      int helperAsks = kHelperAsksPerMonitor;
      const auto suits = [&](int index) {
        return PictureSuitsMonitor(form.FileLB, index, monitors[turn], helperAsks);
      };
      choice.picture = wallpaper::PreferredPicture(choice.picture, form.FileLB.Count(), suits, shown);
    }
    form.FileLB.SetItemIndex(choice.picture);
    form.FileLBClick();  // a picture that cannot be opened fails here: the next run tries it again
    chosen.push_back(form.PicturePath());
    stored.file = choice.picture + 1;
    stored.folder = choice.folder;
  }
  TRotationSettings::SaveCounters(store, stored.file, stored.folder);
  if (turns > 1) form.SetMonitorPictures(std::move(chosen));
  form.SetBClick();
}

}  // namespace windows
