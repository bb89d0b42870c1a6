// What a screen reader reads of a window of another process through MSAA: the object of its
// client area (AccessibleObjectFromWindow, which sends the window WM_GETOBJECT), and its simple
// children's names, roles, states, places and default actions.
#pragma once

#include <windows.h>

#include <oleacc.h>

#include <string>
#include <vector>

namespace e2e {

struct AccessibleItem {
  long id = 0;
  std::string name;
  std::string description;
  std::string defaultAction;
  long role = 0;
  long state = 0;
  RECT place = {};  // on the screen
};

class ScreenReader {
 public:
  // The object of the window's client area; none when the window gives none.
  explicit ScreenReader(HWND window);
  ScreenReader(const ScreenReader&) = delete;
  ScreenReader& operator=(const ScreenReader&) = delete;
  ~ScreenReader();

  bool Found() const { return object_ != nullptr; }
  // The object's own name.
  std::string Name() const;
  // The children that have no object of their own, in their order.
  std::vector<AccessibleItem> SimpleChildren() const;
  // The simple child of that name.
  AccessibleItem Child(const std::string& name) const;
  bool DoDefaultAction(long id) const;

 private:
  AccessibleItem Read(long id) const;

  IAccessible* object_ = nullptr;
};

}  // namespace e2e
