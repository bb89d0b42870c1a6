#include "support/Windows.h"

#include <tlhelp32.h>

namespace testing_support {
namespace {

struct Search {
  DWORD processId;
  std::string className;
  std::string caption;
  bool anyCaption;
  bool hiddenToo = false;
  HWND found = nullptr;
};

BOOL CALLBACK MatchTopLevel(HWND window, LPARAM parameter) {
  auto* search = reinterpret_cast<Search*>(parameter);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  if (owner != search->processId || (!search->hiddenToo && !::IsWindowVisible(window))) return TRUE;
  if (!search->className.empty() && search->className != ClassName(window)) return TRUE;
  if (!search->anyCaption && WindowText(window) != search->caption) return TRUE;
  search->found = window;
  return FALSE;
}

BOOL CALLBACK AddTaskBarWindow(HWND window, LPARAM parameter) {
  auto* found = reinterpret_cast<std::pair<DWORD, std::vector<HWND>>*>(parameter);
  DWORD owner = 0;
  ::GetWindowThreadProcessId(window, &owner);
  const LONG exStyle = ::GetWindowLongA(window, GWL_EXSTYLE);
  const bool asksForButton = !::GetWindow(window, GW_OWNER) || (exStyle & WS_EX_APPWINDOW);
  if (owner == found->first && ::IsWindowVisible(window) && asksForButton && !(exStyle & WS_EX_TOOLWINDOW))
    found->second.push_back(window);
  return TRUE;
}

HWND FindTopLevel(Search search) {
  ::EnumWindows(&MatchTopLevel, reinterpret_cast<LPARAM>(&search));
  return search.found;
}

std::vector<HWND> Children(HWND parent) {
  std::vector<HWND> children;
  for (HWND child = ::GetWindow(parent, GW_CHILD); child; child = ::GetWindow(child, GW_HWNDNEXT))
    children.push_back(child);
  return children;
}

}  // namespace

std::string ClassName(HWND window) {
  char className[64] = {};
  ::GetClassNameA(window, className, sizeof className);
  return className;
}

std::vector<HWND> TaskBarWindows(DWORD processId) {
  std::pair<DWORD, std::vector<HWND>> found{processId, {}};
  ::EnumWindows(&AddTaskBarWindow, reinterpret_cast<LPARAM>(&found));
  return found.second;
}

std::string WindowText(HWND window) {
  const int length = ::GetWindowTextLengthA(window);
  std::string text(static_cast<size_t>(length) + 1, '\0');
  text.resize(static_cast<size_t>(::GetWindowTextA(window, text.data(), length + 1)));
  return text;
}

HWND FindVisibleWindow(DWORD processId, const std::string& caption) {
  return FindTopLevel({processId, "", caption, false});
}

HWND FindWindowOf(DWORD processId, const std::string& caption) {
  return FindTopLevel({processId, "", caption, false, true});
}

HWND FindAnyVisibleWindow(DWORD processId) { return FindTopLevel({processId, "", "", true}); }

std::optional<MessageBoxContent> FindMessageBox(DWORD processId) {
  HWND box = FindTopLevel({processId, "#32770", "", true});
  if (!box) return std::nullopt;
  MessageBoxContent content;
  content.window = box;
  content.caption = WindowText(box);
  ::GetWindowRect(box, &content.bounds);
  for (HWND child : Children(box)) {
    const std::string className = ClassName(child);
    if (className == "Button" && ::IsWindowVisible(child))
      content.buttons.push_back(WindowText(child));
    else if (className == "Static" && ::GetDlgCtrlID(child) == 0xFFFF)
      content.text = WindowText(child);
  }
  return content;
}

bool PressButton(HWND box, const std::string& buttonText) {
  for (HWND child : Children(box)) {
    if (ClassName(child) == "Button" && WindowText(child) == buttonText) {
      ::PostMessageA(box, WM_COMMAND, MAKEWPARAM(::GetDlgCtrlID(child), BN_CLICKED),
                     reinterpret_cast<LPARAM>(child));
      return true;
    }
  }
  return false;
}

std::wstring ListBoxItem(HWND list, int index) {
  const auto length = ::SendMessageW(list, LB_GETTEXTLEN, static_cast<WPARAM>(index), 0);
  if (length < 0) return {};
  std::wstring text(static_cast<size_t>(length) + 1, L'\0');
  ::SendMessageW(list, LB_GETTEXT, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(text.data()));
  text.resize(::wcslen(text.c_str()));
  return text;
}

std::vector<DWORD> RunningProcesses(const std::string& exeName) {
  PROCESSENTRY32 process = {sizeof process};
  const HANDLE snapshot = ::CreateToolhelp32Snapshot(TH32CS_SNAPPROCESS, 0);
  std::vector<DWORD> found;
  for (BOOL more = ::Process32First(snapshot, &process); more; more = ::Process32Next(snapshot, &process))
    if (::lstrcmpiA(process.szExeFile, exeName.c_str()) == 0) found.push_back(process.th32ProcessID);
  ::CloseHandle(snapshot);
  return found;
}

}  // namespace testing_support
