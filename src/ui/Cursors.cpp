#include "ui/Cursors.h"

#include <map>

namespace ui {
namespace {

std::map<TCursor, HCURSOR>& ApplicationCursors() {
  static std::map<TCursor, HCURSOR> cursors;
  return cursors;
}

HCURSOR SystemCursor(const char* id) { return ::LoadCursorA(nullptr, id); }

}  // namespace

void SetApplicationCursor(TCursor number, HCURSOR cursor) {
  if (cursor)
    ApplicationCursors()[number] = cursor;
  else
    ApplicationCursors().erase(number);
}

HCURSOR CursorHandle(TCursor number) {
  switch (number) {
    case crDefault:
      return nullptr;
    case crArrow:
      return SystemCursor(IDC_ARROW);
    case crHourGlass:
      return SystemCursor(IDC_WAIT);
    case crHandPoint:
      return SystemCursor(IDC_HAND);
  }
  const auto found = ApplicationCursors().find(number);
  return found != ApplicationCursors().end() ? found->second : SystemCursor(IDC_ARROW);
}

}  // namespace ui
