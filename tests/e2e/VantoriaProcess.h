// Runs Vantoria.exe, copied into a scratch folder, as a separate process under the same Wine
// server, and watches its windows. Every wait has a deadline.
#pragma once

#include <windows.h>

#include <optional>
#include <set>
#include <string>

#include "support/ScratchFolder.h"
#include "support/Waiting.h"
#include "support/Windows.h"

namespace e2e {

using testing_support::Milliseconds;

// The Vantoria.exe under test, as a Windows path.
std::string VantoriaExe();

class VantoriaProcess {
 public:
  // Copies the program into `folder`, unless it is there already, and starts it there with
  // `arguments`, as a shortcut with `showCommand` would ("Run: Minimised" is SW_SHOWMINNOACTIVE).
  VantoriaProcess(const testing_support::ScratchFolder& folder, const std::string& arguments,
                  WORD showCommand = SW_SHOWNORMAL);
  VantoriaProcess(const VantoriaProcess&) = delete;
  VantoriaProcess& operator=(const VantoriaProcess&) = delete;
  // Ends the process if it is still running.
  ~VantoriaProcess();

  DWORD Id() const { return processId_; }
  const std::string& ExePath() const { return exePath_; }
  // Milliseconds since the process was started.
  unsigned long long Elapsed() const;

  // The process's visible top-level window with this caption, or null after the deadline.
  HWND WaitForWindow(const std::string& caption, Milliseconds timeout);
  std::optional<testing_support::MessageBoxContent> WaitForMessageBox(Milliseconds timeout);
  // Waits for a message box, presses its button `buttonText`, waits until it is gone and returns
  // what it said.
  std::optional<testing_support::MessageBoxContent> AnswerMessageBox(const std::string& buttonText,
                                                                     Milliseconds timeout);
  // The exit code, or nothing when the process still runs after the deadline.
  std::optional<DWORD> WaitForExit(Milliseconds timeout);
  // Waits for the process's end, and gives every other Vantoria.exe seen meanwhile: the decoding
  // helpers it started.
  std::set<DWORD> HelpersUntilExit(Milliseconds timeout);
  // Ends the process as Windows ends a session (and as wineboot --end-session does): asks each of
  // its top-level windows (WM_QUERYENDSESSION), tells each that the session ends (WM_ENDSESSION),
  // then ends the process. False when a window refused or did not answer.
  bool EndSession();

 private:
  std::string exePath_;
  HANDLE process_ = nullptr;
  DWORD processId_ = 0;
  unsigned long long startedAt_ = 0;
};

}  // namespace e2e
