// The pictures that Windows 10 and 11 show for a window that asks to draw its own: the thumbnail
// of its task-bar button and Alt+Tab entry, and its live preview (Peek). They go to the desktop
// window manager, which tests replace through the hook: dwmapi is a stub under Wine. Where the
// manager does not answer (no composition), the calls do nothing.
#pragma once

#include <windows.h>

#include <functional>

namespace ui {

// `window` draws its own thumbnail and live preview, asked for with WM_DWMSENDICONICTHUMBNAIL and
// WM_DWMSENDICONICLIVEPREVIEWBITMAP.
void EnableIconicBitmaps(HWND window);
void SetIconicThumbnail(HWND window, HBITMAP thumbnail);
// The live preview shows `preview` with its top-left corner at `offset` from the window's.
void SetIconicLivePreview(HWND window, HBITMAP preview, POINT offset);
// The window's look changed: the manager asks for its pictures again when it shows them.
void InvalidateIconicBitmaps(HWND window);

// Receives the pictures in place of the manager until reset with an empty hook.
using IconicBitmapHook = std::function<void(HWND window, HBITMAP bitmap, bool livePreview)>;
void SetIconicBitmapHook(IconicBitmapHook hook);

}  // namespace ui
