// The application object: title, help file, the forms it owns, the message loop and the
// error box for errors that no handler caught.
#pragma once

#include <windows.h>

#include <exception>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "ui/FormHost.h"

namespace ui {

class TApplicationWindow;
class TForm;
class TPointerTracker;

class TApplication : public TFormHost {
 public:
  TApplication();
  TApplication(const TApplication&) = delete;
  TApplication& operator=(const TApplication&) = delete;
  ~TApplication();

  const std::string& Title() const { return title_; }
  void SetTitle(std::string title);
  const std::string& HelpFile() const { return helpFile_; }
  void SetHelpFile(std::string path) { helpFile_ = std::move(path); }

  // The window that owns every form and stands for the program in the task bar.
  HWND Handle() const;
  TApplicationWindow& Window() const override { return *window_; }
  // "Close window" on the task-bar button; closing the main form when none is set.
  std::function<void()> OnCloseRequest;

  // Creates a form, runs its creation handler, and keeps it until the application ends.
  // The first form created is the main form.
  template <typename Form, typename... Args>
  Form& CreateForm(Args&&... args) {
    auto form = std::make_unique<Form>(std::forward<Args>(args)...);
    Form& created = *form;
    Adopt(std::move(form));
    return created;
  }
  TForm* MainForm() const override { return mainForm_; }

  // Shows the main form (with the start-up show command) and dispatches messages until the
  // quit request is taken.
  void Run();
  void HandleMessage() override;
  // Dispatches every waiting message and returns.
  void ProcessMessages();
  // Waits up to `timeout` for `object` (a process to end) while the windows go on answering, as
  // in a modal loop; once the program is to end, without dispatching. True when it came.
  bool WaitWhileAnswering(HANDLE object, DWORD timeoutMs);
  void Terminate() override;
  bool Terminated() const override { return terminated_; }

  // The work done each time the message queue runs empty: pointer enter and leave, hints.
  void DoIdle();

  // Shows the error box for an error no handler caught (ui/ProgramServices.h); a silent abort shows
  // nothing.
  void HandleException(std::exception_ptr error);

 private:
  void Adopt(std::unique_ptr<TForm> form);
  bool ProcessMessage(MSG& message);
  bool IsMenuShortCut(const MSG& message);

  // Uninitialised only when its initialisation succeeded.
  bool oleInitialised_;
  std::string title_;
  std::string helpFile_;
  std::unique_ptr<TApplicationWindow> window_;
  std::vector<std::unique_ptr<TForm>> forms_;
  TForm* mainForm_ = nullptr;
  bool terminated_ = false;
  std::unique_ptr<TPointerTracker> pointerTracker_;
};

// The one application object of the process.
TApplication& Application();

}  // namespace ui
