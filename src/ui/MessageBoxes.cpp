#include "ui/MessageBoxes.h"

#include "ui/ProgramServices.h"

namespace ui {
namespace {

MessageBoxHook& Hook() {
  static MessageBoxHook hook;
  return hook;
}

// Moves the box to the centre of the screen as it is activated for the first time.
thread_local HHOOK centringHook = nullptr;

LRESULT CALLBACK CentreOnScreen(int code, WPARAM wParam, LPARAM lParam) {
  if (code == HCBT_ACTIVATE) {
    HWND box = reinterpret_cast<HWND>(wParam);
    RECT rect;
    ::GetWindowRect(box, &rect);
    const int width = rect.right - rect.left;
    const int height = rect.bottom - rect.top;
    ::SetWindowPos(box, nullptr, (::GetSystemMetrics(SM_CXSCREEN) - width) / 2,
                   (::GetSystemMetrics(SM_CYSCREEN) - height) / 2, 0, 0,
                   SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
    HHOOK hook = centringHook;
    ::UnhookWindowsHookEx(hook);
    centringHook = nullptr;
    return ::CallNextHookEx(hook, code, wParam, lParam);
  }
  return ::CallNextHookEx(centringHook, code, wParam, lParam);
}

int ShowRealMessageBox(const MessageBoxRequest& request) {
  HWND owner = ::GetActiveWindow();
  if (!owner) owner = ProgramWindow();
  centringHook = ::SetWindowsHookExA(WH_CBT, CentreOnScreen, nullptr, ::GetCurrentThreadId());
  const int answer = ::MessageBoxA(owner, request.text.c_str(), request.caption.c_str(),
                                   request.icon | request.buttons | MB_SETFOREGROUND);
  if (centringHook) {
    ::UnhookWindowsHookEx(centringHook);
    centringHook = nullptr;
  }
  return answer;
}

}  // namespace

MessageBoxHook SetMessageBoxHook(MessageBoxHook hook) {
  MessageBoxHook previous = std::move(Hook());
  Hook() = std::move(hook);
  return previous;
}

int ShowMessageBox(const MessageBoxRequest& request) {
  if (Hook()) return Hook()(request);
  return ShowRealMessageBox(request);
}

int MessageDlg(const std::string& text, TMsgDlgType type, TMsgDlgButtons buttons) {
  struct Look {
    const char* caption;
    UINT icon;
  };
  static constexpr Look looks[] = {
      {"Warning", MB_ICONWARNING}, {"Error", MB_ICONERROR}, {"Information", MB_ICONINFORMATION}};
  const Look& look = looks[static_cast<int>(type)];
  return ShowMessageBox(
      {look.caption, text, look.icon, static_cast<UINT>(buttons == TMsgDlgButtons::mbYesNo ? MB_YESNO : MB_OK)});
}

}  // namespace ui
