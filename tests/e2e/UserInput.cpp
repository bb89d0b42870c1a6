#include "e2e/UserInput.h"

#include <stdexcept>

#include "support/Waiting.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

void Xdotool(const std::string& arguments) {
  std::string command = "Z:\\usr\\bin\\xdotool " + arguments;
  STARTUPINFOA startup = {};
  startup.cb = sizeof startup;
  PROCESS_INFORMATION process = {};
  if (!::CreateProcessA(nullptr, command.data(), nullptr, nullptr, FALSE, 0, nullptr, nullptr, &startup, &process))
    throw std::runtime_error("xdotool could not be started");
  ::WaitForSingleObject(process.hProcess, 10000);
  ::CloseHandle(process.hThread);
  ::CloseHandle(process.hProcess);
  testing_support::PumpFor(200ms);
}

std::string ScreenPoint(HWND window, int x, int y) {
  POINT screen = {x, y};
  ::ClientToScreen(window, &screen);
  return std::to_string(screen.x) + " " + std::to_string(screen.y);
}

}  // namespace

// Each click stands alone: the next one, even at the same place, is no double click.
void ClickAt(HWND window, int x, int y) {
  Xdotool("mousemove " + ScreenPoint(window, x, y) + " click 1");
  testing_support::PumpFor(std::chrono::milliseconds(::GetDoubleClickTime()));
}

void PointAt(HWND window, int x, int y) { Xdotool("mousemove " + ScreenPoint(window, x, y)); }

void PressKeys(const std::string& keys) { Xdotool("key --delay 100 " + keys); }

HWND ChildAt(HWND window, const char* className, int x, int y) {
  for (HWND child = nullptr; (child = ::FindWindowExA(window, child, className, nullptr));) {
    RECT bounds;
    ::GetWindowRect(child, &bounds);
    POINT corner = {bounds.left, bounds.top};
    ::ScreenToClient(window, &corner);
    if (corner.x == x && corner.y == y) return child;
  }
  return nullptr;
}

}  // namespace e2e
