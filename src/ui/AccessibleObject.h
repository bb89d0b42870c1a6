// What a window of ours gives screen readers for its client area (MSAA IAccessible, asked for
// with WM_GETOBJECT; UI Automation clients read it through Windows' bridge): the system's own
// object of that area, with the name, role and description the control gives. A window of our
// own class lists its child windows, each as its own object, and then its windowless controls as
// simple children, each with its name, role, description, state, place on the screen and default
// action; a standard control keeps its own children (a list's items). Declared here, below the
// windows that answer with it (ui/WinControl.cpp); made above them, from what the controls tell
// (ui/AccessibleObject.cpp).
#pragma once

#include <windows.h>

namespace ui {

class TWinControl;

// Whether the window tells more than the system's own object would: every window of our own
// class (its children, windowless or not, are listed by us), a standard control with a name or a
// role.
bool TellsScreenReaders(const TWinControl& window);
// The answer to WM_GETOBJECT for the window's client area; 0 when no object could be made.
LRESULT AnswerAccessibleObject(const TWinControl& window, WPARAM wParam);
// The system's object lists a window's child windows first, as children 1 to this.
long ChildWindowCount(HWND window);

// Posted to a window to run the default action of its windowless control with the child id in
// wParam: the screen reader's call returns at once, as it does for a standard button, even when
// the action opens a box.
inline constexpr UINT kDoAccessibleDefaultAction = WM_APP + 0x3A1;

}  // namespace ui
