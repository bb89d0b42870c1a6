// Input as a user gives it: the real pointer and keyboard of the X display, moved by xdotool
// (which Wine starts like any program), at a window's client coordinates.
#pragma once

#include <windows.h>

#include <string>

namespace e2e {

// Moves the pointer to the point of the window's client area and clicks the left button there;
// returns when a next click would no longer make a double click.
void ClickAt(HWND window, int x, int y);
// Moves the pointer there without clicking.
void PointAt(HWND window, int x, int y);
// Key presses as xdotool names them, one after another: "ctrl+s", "alt+t o", "Escape".
void PressKeys(const std::string& keys);
// A standard child control of the window by class and position in its client area.
HWND ChildAt(HWND window, const char* className, int x, int y);

}  // namespace e2e
