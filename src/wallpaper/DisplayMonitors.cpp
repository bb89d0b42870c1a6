#include "wallpaper/DisplayMonitors.h"

#include "platform/RegistryStore.h"
#include "platform/ValueText.h"

namespace wallpaper {
namespace {

bool InfoOf(HMONITOR handle, MONITORINFOEXA& info) {
  info = {};
  info.cbSize = sizeof info;
  return ::GetMonitorInfoA(handle, &info) != FALSE;
}

}  // namespace

std::vector<Monitor> DisplayMonitors() {
  std::vector<Monitor> monitors;
  ::EnumDisplayMonitors(
      nullptr, nullptr,
      [](HMONITOR handle, HDC, LPRECT, LPARAM found) -> BOOL {
        MONITORINFOEXA info;
        if (InfoOf(handle, info)) {
          const RECT& area = info.rcMonitor;
          reinterpret_cast<std::vector<Monitor>*>(found)->push_back(
              {info.szDevice, {area.left, area.top, area.right - area.left, area.bottom - area.top},
               (info.dwFlags & MONITORINFOF_PRIMARY) != 0});
        }
        return TRUE;
      },
      reinterpret_cast<LPARAM>(&monitors));
  OrderMonitors(monitors);
  return monitors;
}

PixelRect VirtualScreen() {
  return {::GetSystemMetrics(SM_XVIRTUALSCREEN), ::GetSystemMetrics(SM_YVIRTUALSCREEN),
          ::GetSystemMetrics(SM_CXVIRTUALSCREEN), ::GetSystemMetrics(SM_CYVIRTUALSCREEN)};
}

std::string MonitorOfWindow(HWND window) {
  MONITORINFOEXA info;
  return InfoOf(::MonitorFromWindow(window, MONITOR_DEFAULTTONEAREST), info) ? info.szDevice : std::string();
}

std::string MonitorUnderPointer() {
  POINT pointer;
  if (!::GetCursorPos(&pointer)) return {};
  const std::vector<Monitor> monitors = DisplayMonitors();
  const Monitor* under = MonitorAt(monitors, pointer.x, pointer.y);
  return under ? under->device : std::string();
}

std::uint32_t DesktopBackgroundColour() {
  const std::optional<std::string> text = platform::RegistryStore("Control Panel\\Colors").ReadText("", "Background");
  return text ? platform::ParseRgbText(*text).value_or(0) : 0;
}

}  // namespace wallpaper
