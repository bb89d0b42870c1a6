// The monitors Windows reports now, in the virtual screen's (physical) pixels: a per-monitor
// aware process reads them unscaled. Nothing here assumes the layout of an earlier run.
#pragma once

#include <windows.h>

#include <cstdint>
#include <string>
#include <vector>

#include "wallpaper/MonitorPlacement.h"

namespace wallpaper {

// In the order they take their pictures (OrderMonitors).
std::vector<Monitor> DisplayMonitors();
// The rectangle that holds every monitor; its corner may lie left of or above the primary's.
PixelRect VirtualScreen();
// The device name of the monitor that holds most of the window.
std::string MonitorOfWindow(HWND window);
// The device name of the monitor under the mouse pointer (the nearest when it is off every
// monitor); empty when there is none to tell.
std::string MonitorUnderPointer();
// The desktop's background colour (HKCU\Control Panel\Colors, Background), as a colour value;
// black when it is missing or unreadable.
std::uint32_t DesktopBackgroundColour();

}  // namespace wallpaper
