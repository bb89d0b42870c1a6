// The one-shot wallpaper change of a start-up run, done through the main window's own lists and
// handlers, so that the window ends as if a user had clicked the folder, the picture and
// "Set as wallpaper".
#include <windows.h>

#include "settings/RegistryStore.h"
#include "ui/ShortDate.h"
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
  using settings::kSettingsSection;
  settings::RegistryStore store(settings::kProgramKey);
  int file = store.ReadInteger(kSettingsSection, "File", 0);
  int folder = store.ReadInteger(kSettingsSection, "Folder", 0);
  const bool random = store.ReadBool(kSettingsSection, "RndFile", false);
  if (store.ReadBool(kSettingsSection, "ChangeWP", false)) {
    const std::string today = ui::TodayShortDate();
    if (store.ReadString(kSettingsSection, "Date", "00") == today) return;
    store.WriteString(kSettingsSection, "Date", today);
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

  store.WriteInteger(kSettingsSection, "File", choice.picture + 1);
  store.WriteInteger(kSettingsSection, "Folder", choice.folder);
  SetBClick();
}

}  // namespace windows
