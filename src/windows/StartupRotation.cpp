#include "windows/StartupRotation.h"

#include <windows.h>

#include "platform/ShortDate.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"
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

}  // namespace

void RunStartupRotation(TFormMain& form) {
  using settings::TRotationSettings;
  platform::RegistryStore store = settings::OpenSettingsStore();
  TRotationSettings stored;
  stored.Load(store);
  if (stored.changeWP && TRotationSettings::ChangedAlready(store, platform::TodayShortDate())) return;

  form.FormCreate();  // the list as its file holds it now
  const int folder = wallpaper::RotationFolder(stored.folder, form.SelDirLB.Count());
  form.SelDirLB.SetItemIndex(folder);
  form.SelDirLBClick();  // an empty list fails here, before any counter is written

  int file = stored.file;
  wallpaper::RotationRandom generator = RandomFromClock();
  if (stored.rndFile) file = static_cast<int>(generator.Draw(static_cast<std::uint32_t>(form.FileLB.Count())));
  const wallpaper::RotationChoice choice = wallpaper::ChooseRotationPicture(file, folder, form.FileLB.Count());
  form.FileLB.SetItemIndex(choice.picture);
  form.FileLBClick();  // a picture that cannot be opened fails here: the next run tries it again

  TRotationSettings::SaveCounters(store, choice.picture + 1, choice.folder);
  form.SetBClick();
}

}  // namespace windows
