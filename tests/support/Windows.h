// Finding and reading top-level windows and message boxes, of this process or another one.
#pragma once

#include <windows.h>

#include <optional>
#include <string>
#include <vector>

namespace testing_support {

std::string WindowText(HWND window);
std::string ClassName(HWND window);

// The first visible top-level window of the process whose caption is `caption`.
HWND FindVisibleWindow(DWORD processId, const std::string& caption);
// The same, visible or hidden.
HWND FindWindowOf(DWORD processId, const std::string& caption);
// Any visible top-level window of the process.
HWND FindAnyVisibleWindow(DWORD processId);

// The process's windows that the task bar and Alt+Tab list: visible top-level windows that are
// unowned or ask for a button (WS_EX_APPWINDOW), and are no tool windows.
std::vector<HWND> TaskBarWindows(DWORD processId);

struct MessageBoxContent {
  HWND window = nullptr;
  std::string caption;
  std::string text;
  std::vector<std::string> buttons;
  RECT bounds = {};
};

// The visible standard message box of the process, if one is up.
std::optional<MessageBoxContent> FindMessageBox(DWORD processId);

// Item `index` of a list box of this process or another one; across processes the text comes
// as UTF-16, whatever code page the list's program uses.
std::wstring ListBoxItem(HWND list, int index);

// Presses the box's button whose text is `buttonText` ("OK", "&Yes", "&No").
bool PressButton(HWND box, const std::string& buttonText);

// The processes of the prefix that run the program of that file name ("Vantoria.exe").
std::vector<DWORD> RunningProcesses(const std::string& exeName);

}  // namespace testing_support
