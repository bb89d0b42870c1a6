#include "ui/Application.h"

#include <commctrl.h>
#include <ole2.h>

#include <new>

#include "platform/Exceptions.h"
#include "ui/ApplicationWindow.h"
#include "ui/ErrorText.h"
#include "ui/Form.h"
#include "ui/MessageBoxes.h"
#include "ui/PointerTracker.h"
#include "ui/ProgramServices.h"

namespace ui {
namespace {

std::string MessageOf(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const std::bad_alloc&) {
    return "Out of memory";
  } catch (const std::exception& e) {
    return e.what();
  } catch (...) {
    return "Unknown error";
  }
}

bool IsSilent(std::exception_ptr error) {
  try {
    std::rethrow_exception(error);
  } catch (const platform::EAbort&) {
    return true;
  } catch (...) {
    return false;
  }
}

}  // namespace

// A key press that a shortcut of the menu of its window's form takes.
bool TApplication::IsMenuShortCut(const MSG& message) {
  if (message.message != WM_KEYDOWN && message.message != WM_SYSKEYDOWN) return false;
  auto* form = dynamic_cast<TForm*>(TWinControl::FromHandle(::GetAncestor(message.hwnd, GA_ROOT)));
  if (!form) return false;
  bool taken = true;  // a shortcut whose handler failed was taken all the same
  Guarded([&] { taken = form->IsShortCut(message); });
  return taken;
}

TApplication& Application() {
  static TApplication application;
  return application;
}

TFormHost& FormHost() { return Application(); }

void ReportUncaughtError(std::exception_ptr error) { Application().HandleException(error); }

HWND ProgramWindow() { return Application().Handle(); }

TApplication::TApplication() : oleInitialised_(SUCCEEDED(::OleInitialize(nullptr))) {
  INITCOMMONCONTROLSEX controls = {sizeof controls, ICC_TREEVIEW_CLASSES | ICC_BAR_CLASSES | ICC_HOTKEY_CLASS};
  ::InitCommonControlsEx(&controls);
  window_ = std::make_unique<TApplicationWindow>(TApplicationWindow::Callbacks{
      .closeRequested =
          [this] {
            if (OnCloseRequest)
              OnCloseRequest();
            else if (mainForm_)
              mainForm_->Close();
          },
      .mainForm = [this] { return mainForm_ ? mainForm_->Handle() : nullptr; },
      .isForm = [](HWND window) { return dynamic_cast<TForm*>(TWinControl::FromHandle(window)) != nullptr; }});
}

TApplication::~TApplication() {
  forms_.clear();
  window_.reset();
  if (oleInitialised_) ::OleUninitialize();
}

HWND TApplication::Handle() const { return window_->Handle(); }

void TApplication::SetTitle(std::string title) {
  title_ = std::move(title);
  window_->SetText(title_);
}

void TApplication::Adopt(std::unique_ptr<TForm> form) {
  TForm& adopted = *form;
  forms_.push_back(std::move(form));
  if (!mainForm_) mainForm_ = &adopted;
  adopted.DoCreate();
}

void TApplication::Run() {
  if (mainForm_) mainForm_->ShowWithStartupCommand();
  do {
    HandleMessage();
  } while (!terminated_);
}

bool TApplication::ProcessMessage(MSG& message) {
  if (!::PeekMessageA(&message, nullptr, 0, 0, PM_REMOVE)) return false;
  if (message.message == WM_QUIT) {
    terminated_ = true;
    return true;
  }
  if (IsMenuShortCut(message)) return true;
  HWND active = ::GetActiveWindow();
  if (active && ::IsDialogMessageA(active, &message)) return true;
  ::TranslateMessage(&message);
  ::DispatchMessageA(&message);
  return true;
}

void TApplication::HandleMessage() {
  MSG message;
  if (!ProcessMessage(message)) {
    DoIdle();
    ::WaitMessage();
  }
}

void TApplication::ProcessMessages() {
  MSG message;
  while (ProcessMessage(message)) {
  }
}

bool TApplication::WaitWhileAnswering(HANDLE object, DWORD timeoutMs) {
  const ULONGLONG deadline = ::GetTickCount64() + timeoutMs;
  for (;;) {
    const ULONGLONG now = ::GetTickCount64();
    const DWORD left = now < deadline ? static_cast<DWORD>(deadline - now) : 0;
    if (terminated_) return ::WaitForSingleObject(object, left) == WAIT_OBJECT_0;
    const DWORD waited = ::MsgWaitForMultipleObjectsEx(1, &object, left, QS_ALLINPUT, MWMO_INPUTAVAILABLE);
    if (waited != WAIT_OBJECT_0 + 1) return waited == WAIT_OBJECT_0;
    ProcessMessages();
  }
}

void TApplication::DoIdle() {
  Guarded([this] {
    if (!pointerTracker_) pointerTracker_ = std::make_unique<TPointerTracker>();
    pointerTracker_->Track();
  });
}

void TApplication::Terminate() { ::PostQuitMessage(0); }

void TApplication::HandleException(std::exception_ptr error) {
  if (!error || IsSilent(error)) return;
  ShowMessageBox({title_, WithClosingPeriod(MessageOf(error)), MB_ICONERROR, MB_OK});
}

}  // namespace ui
