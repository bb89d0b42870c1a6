#include "app/Startup.h"

#include <windows.h>

#include <exception>

#include "app/PocetakD.h"
#include "app/RunMode.h"
#include "settings/OptionsD.h"
#include "ui/Application.h"
#include "ui/WindowClasses.h"
#include "windows/AboutD.h"
#include "windows/MainForm.h"

namespace app {

int RunVantoria() {
  // Before the first window: the application object makes one.
  ui::SetWindowClassIdentity({.namePrefix = "Vantoria", .iconResource = "MAINICON"});
  ui::TApplication& application = ui::Application();
  application.SetTitle("Vantoria");
  application.SetHelpFile(VANTORIA_BUILD_HELP_FILE);

  TPocetakDialog* splash = nullptr;
  try {
    auto& mainForm = application.CreateForm<windows::TFormMain>();
    splash = &application.CreateForm<TPocetakDialog>(mainForm, IsStartupRun());
    auto& about = application.CreateForm<windows::TAboutDialog>();
    mainForm.ConnectDialogs(application.CreateForm<settings::TODialog>(), about);
    // A log-on run never writes the folder list; an interactive one keeps it when Windows ends
    // the session before the window is closed.
    if (!IsStartupRun()) mainForm.OnEndSession = [&mainForm] { mainForm.FormClose(); };
  } catch (const std::exception& error) {
    ::MessageBoxA(nullptr, error.what(), "Application Error", MB_ICONERROR | MB_OK | MB_TASKMODAL);
    return 1;
  }

  splash->Timer.SetEnabled(true);
  splash->ShowModal();
  if (IsStartupRun()) application.Terminate();
  application.Run();
  return 0;
}

}  // namespace app
