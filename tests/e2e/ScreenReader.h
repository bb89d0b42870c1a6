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
  long id = 0;  // a simple child's; 0 for a child with an object of its own
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
  // The children as AccessibleChildren gives them, in their order; with `deep`, each child with an
  // object of its own is followed by its children, and so on down.
  std::vector<AccessibleItem> Children(bool deep = false) const;
  // The child of that name.
  AccessibleItem Child(const std::string& name) const;
  bool DoDefaultAction(long id) const;
  // What the object's enumerator answers to skipping `count` children from the first.
  HRESULT SkipFromStart(ULONG count) const;

 private:

  IAccessible* object_ = nullptr;
};

}  // namespace e2e
