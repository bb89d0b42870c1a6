#include "e2e/UserInput.h"

#include "e2e/HostCommand.h"
#include "support/Waiting.h"

namespace e2e {
namespace {

using namespace std::chrono_literals;

void Xdotool(const std::string& arguments) {
  RunHostProgram("xdotool", arguments);
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
