#include "windows/StartupRotation.h"

#include "platform/Clock.h"
#include "rotation/KeptFiles.h"
#include "rotation/NextPictures.h"
#include "settings/DayNightStore.h"
#include "settings/PausedChanges.h"
#include "settings/TimerRegistration.h"
#include "ui/MessageBoxes.h"
#include "windows/MainForm.h"

namespace windows {

// The lock is held on by the wallpaper's second phase, when the rotation armed it. The log-on run
// has seconds to spare: the rotation's state is kept before the change.
void RunStartupRotation(TFormMain& form) {
  if (!settings::PausedChangesCaption().empty()) {
    settings::RecordTimerRun("skipped: paused");
    return;
  }
  form.WithChangeLock([&form] {
    const rotation::Kept<rotation::THistory> history = rotation::ReadHistory();
    const rotation::NextPictures next = rotation::ChooseNextPictures(
        rotation::OnceADay::kApplies,
        [&form](const std::string& message) {
          ui::MessageDlg(message, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
          return form.Entries();
        },
        history.content.Current(), settings::DayNightAt(platform::UtcNow()));
    if (next.changedToday) return;
    // The change is made all the same; a damaged state file is no error at all.
    if (const std::string why = next.keepState ? next.keepState() : std::string(); !why.empty())
      settings::RecordTimerRun("the rotation's state was not kept: " + why);
    form.SetRotationPictures(next);
  });
}

}  // namespace windows
