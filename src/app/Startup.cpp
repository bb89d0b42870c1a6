#include "app/Startup.h"

#include <windows.h>

#include <exception>
#include <optional>

#include "app/PocetakD.h"
#include "app/RunMode.h"
#include "app/ShowPicture.h"
#include "app/TimedRun.h"
#include "pictures/WicDecoder.h"
#include "platform/Module.h"
#include "schedule/DesktopMenuCommand.h"
#include "schedule/TaskDefinition.h"
#include "settings/DayNightD.h"
#include "settings/OptionsD.h"
#include "settings/TimerRegistration.h"
#include "ui/Application.h"
#include "ui/MessageBoxes.h"
#include "ui/WindowClasses.h"
#include "windows/AboutD.h"
#include "windows/MainForm.h"

namespace app {

namespace {

// Before the program's folder is deleted: nothing of it is left registered, but what another
// copy registered. Shows nothing.
int Unregister() { return settings::UnregisterThisProgram() ? 0 : 1; }

std::optional<TimedRun> TimedRunOfSwitch(const std::string& mode) {
  if (mode == schedule::kTimedRunSwitch) return TimedRun::kTimer;
  if (mode == schedule::kNextPictureSwitch) return TimedRun::kNext;
  if (mode == schedule::kNextHereSwitch) return TimedRun::kNextHere;
  if (mode == schedule::kPauseSwitch) return TimedRun::kPause;
  if (mode == schedule::kResumeSwitch) return TimedRun::kResume;
  if (mode == schedule::kPreviousPictureSwitch) return TimedRun::kPrevious;
  if (mode == schedule::kExcludePictureSwitch) return TimedRun::kExclude;
  if (mode == schedule::kRefitSwitch) return TimedRun::kRefit;
  return std::nullopt;
}

}  // namespace

int RunVantoria() {
  // A helper that decodes one picture for the program that started it, and ends.
  const std::string mode = platform::ParamStr(1);
  if (mode == pictures::kDecodeSwitch)
    return pictures::RunDecodeHelper(platform::ParamStr(2), platform::ParamStr(3),
                                     platform::ParamStr(4) == pictures::kSizeOnlySwitch);
  if (mode == kUnregisterSwitch) return Unregister();
  // A run nobody watches reads the folders without Windows' own boxes, which would wait unseen
  // ("No disk" for a card reader without its card).
  const auto timedRun = TimedRunOfSwitch(mode);
  if (IsStartupArgument(mode) || timedRun) ::SetErrorMode(::GetErrorMode() | SEM_FAILCRITICALERRORS);
  settings::FollowMovedProgram();
  settings::FollowTheSun();
  // Before the first window: the application object makes one.
  ui::SetWindowClassIdentity({.namePrefix = "Vantoria", .iconResource = "MAINICON"});
  if (timedRun) return RunTimedChange(*timedRun, UserNotificationState);
  if (mode == schedule::kShowPictureSwitch) return ShowPictureFile();
  ui::TApplication& application = ui::Application();
  application.SetTitle("Vantoria");
  application.SetHelpFile(VANTORIA_BUILD_HELP_FILE);

  TPocetakDialog* splash = nullptr;
  windows::TFormMain* mainWindow = nullptr;
  try {
    auto& mainForm = application.CreateForm<windows::TFormMain>();
    mainWindow = &mainForm;
    splash = &application.CreateForm<TPocetakDialog>(mainForm, IsStartupRun());
    auto& about = application.CreateForm<windows::TAboutDialog>();
    auto& options = application.CreateForm<settings::TODialog>();
    auto& dayNight = application.CreateForm<settings::TDayNightDialog>();
    options.ConnectDayNight(dayNight);
    mainForm.ConnectDialogs(options, dayNight, about);
    // A log-on run never writes the folder list; an interactive one keeps it when Windows ends
    // the session before the window is closed.
    if (!IsStartupRun()) mainForm.OnEndSession = [&mainForm] { mainForm.FormClose(); };
  } catch (const std::exception& error) {
    ui::ShowMessageBox({"Application Error", error.what(), MB_ICONERROR, MB_OK});
    return 1;
  }

  // "Close window" on the task-bar button while the splash is up: a log-on run ends as its last
  // tick ends it (the list is not written, an armed wallpaper is still set first); an interactive
  // run closes its main window once the splash has gone.
  bool closeAfterSplash = false;
  application.OnCloseRequest = [&] {
    if (!splash->Modal())
      mainWindow->Close();
    else if (IsStartupRun())
      splash->EndRun();
    else
      closeAfterSplash = true;
  };

  splash->Timer.SetEnabled(true);
  splash->ShowModal();
  if (IsStartupRun())
    application.Terminate();
  else if (closeAfterSplash)
    mainWindow->Close();
  application.Run();
  application.OnCloseRequest = {};  // it knows this function's state, which ends here
  return 0;
}

}  // namespace app
