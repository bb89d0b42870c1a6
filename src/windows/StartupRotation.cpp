// The one-shot wallpaper change of a start-up run, done through the main window's own lists and
// handlers, so that the window ends as if a user had clicked the folder, the picture and
// "Set as wallpaper".
#include <windows.h>

#include "platform/RegistryStore.h"
#include "platform/ShortDate.h"
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

void TFormMain::StartupRotation() {
  using namespace settings;
  platform::RegistryStore store(kProgramKey);
  int file = store.ReadInteger(kSettingsSection, kFile, kRotationDefaults.file);
  int folder = store.ReadInteger(kSettingsSection, kFolder, kRotationDefaults.folder);
  const bool random = store.ReadBool(kSettingsSection, kRndFile, kRotationDefaults.rndFile);
  if (store.ReadBool(kSettingsSection, kChangeWP, kRotationDefaults.changeWP)) {
    const std::string today = platform::TodayShortDate();
    if (store.ReadString(kSettingsSection, kDate, kRotationDefaults.date) == today) return;
    store.WriteString(kSettingsSection, kDate, today);
  }

  FormCreate();  // the list as its file holds it now
  folder = wallpaper::RotationFolder(folder, SelDirLB.Count());
  SelDirLB.SetItemIndex(folder);
  SelDirLBClick();  // an empty list fails here, before any counter is written

  wallpaper::RotationRandom generator = RandomFromClock();
  if (random) file = static_cast<int>(generator.Draw(static_cast<std::uint32_t>(FileLB.Count())));
  const wallpaper::RotationChoice choice = wallpaper::ChooseRotationPicture(file, folder, FileLB.Count());
  FileLB.SetItemIndex(choice.picture);
  FileLBClick();  // a picture that cannot be opened fails here: the next run tries it again

  store.WriteInteger(kSettingsSection, kFile, choice.picture + 1);
  store.WriteInteger(kSettingsSection, kFolder, choice.folder);
  SetBClick();
}

}  // namespace windows
