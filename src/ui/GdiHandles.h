// Owners of GDI objects and device contexts: each is freed, released or put back with its scope,
// also when the drawing in between throws (a damaged JPEG decodes at its first drawing).
#pragma once

#include <windows.h>

#include "platform/Handles.h"

namespace ui {

using FontHandle = platform::UniqueHandle<platform::NullableHandleTraits<HFONT, &::DeleteObject>>;
using BrushHandle = platform::UniqueHandle<platform::NullableHandleTraits<HBRUSH, &::DeleteObject>>;
using BitmapHandle = platform::UniqueHandle<platform::NullableHandleTraits<HBITMAP, &::DeleteObject>>;
using PaletteHandle = platform::UniqueHandle<platform::NullableHandleTraits<HPALETTE, &::DeleteObject>>;
using RegionHandle = platform::UniqueHandle<platform::NullableHandleTraits<HRGN, &::DeleteObject>>;
using MemoryDc = platform::UniqueHandle<platform::NullableHandleTraits<HDC, &::DeleteDC>>;

// The device context of one WM_PAINT, ended with the scope even when the painting throws.
class PaintDc {
 public:
  explicit PaintDc(HWND window) : window_(window), dc_(::BeginPaint(window, &paint_)) {}
  PaintDc(const PaintDc&) = delete;
  PaintDc& operator=(const PaintDc&) = delete;
  ~PaintDc() { ::EndPaint(window_, &paint_); }

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  PAINTSTRUCT paint_ = {};
  HDC dc_;
};

// A window's device context, or the screen's for no window, released with the scope.
class WindowDc {
 public:
  explicit WindowDc(HWND window = nullptr) : window_(window), dc_(::GetDC(window)) {}
  WindowDc(const WindowDc&) = delete;
  WindowDc& operator=(const WindowDc&) = delete;
  ~WindowDc() {
    if (dc_) ::ReleaseDC(window_, dc_);
  }

  HDC Get() const { return dc_; }

 private:
  HWND window_;
  HDC dc_;
};

// Keeps a DC's drawing state (clipping, origin, selected objects) for one scope and puts it back.
class SavedDcState {
 public:
  explicit SavedDcState(HDC dc) : dc_(dc), saved_(::SaveDC(dc)) {}
  SavedDcState(const SavedDcState&) = delete;
  SavedDcState& operator=(const SavedDcState&) = delete;
  ~SavedDcState() {
    if (saved_) ::RestoreDC(dc_, saved_);
  }

 private:
  HDC dc_;
  int saved_;
};

// Puts a GDI object into a DC for one scope and puts the previous one back.
class SelectedObject {
 public:
  SelectedObject(HDC dc, HGDIOBJ object) : dc_(dc), previous_(::SelectObject(dc, object)) {}
  SelectedObject(const SelectedObject&) = delete;
  SelectedObject& operator=(const SelectedObject&) = delete;
  ~SelectedObject() { ::SelectObject(dc_, previous_); }

 private:
  HDC dc_;
  HGDIOBJ previous_;
};

}  // namespace ui
