#include "ui/Pointer.h"

namespace ui {
namespace {

std::function<POINT()>& Hook() {
  static std::function<POINT()> hook;
  return hook;
}

}  // namespace

POINT PointerPosition() {
  if (Hook()) return Hook()();
  POINT pointer = {};
  ::GetCursorPos(&pointer);
  return pointer;
}

void SetPointerPositionHook(std::function<POINT()> hook) { Hook() = std::move(hook); }

}  // namespace ui
