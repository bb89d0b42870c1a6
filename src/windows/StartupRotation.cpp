#include "windows/StartupRotation.h"

#include "rotation/NextPictures.h"
#include "settings/TimerRegistration.h"
#include "ui/MessageBoxes.h"
#include "windows/MainForm.h"

namespace windows {

void RunStartupRotation(TFormMain& form) {
  form.ChangeLock().TakeForChange();
  // Held on by the wallpaper's second phase, when the rotation armed it.
  struct Done {
    TFormMain& form;
    ~Done() { form.ReleaseChangeLockWhenDone(); }
  } done{form};
  const rotation::NextPictures next =
      rotation::ChooseNextPictures(rotation::OnceADay::kApplies, [&form](const std::string& message) {
        ui::MessageDlg(message, ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
        std::vector<std::string> shown;
        for (int i = 0; i < form.SelDirLB.Count(); ++i) shown.push_back(form.SelDirLB.Item(i));
        return shown;
      });
  if (next.changedToday) return;
  // The change is made all the same; a damaged state file is no error at all.
  if (!next.stateNotKept.empty()) settings::RecordTimerRun("the rotation's state was not kept: " + next.stateNotKept);
  form.SetRotationPictures(next);
}

}  // namespace windows
