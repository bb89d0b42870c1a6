// The toolkit's window classes. The program names them (a prefix for every class name) and gives
// them its icon before it makes its first window; until then the toolkit's own prefix serves.
#pragma once

#include <windows.h>

#include <string>

namespace ui {

struct TWindowClassIdentity {
  std::string namePrefix = "Ui";
  std::string iconResource;  // an icon of the executable's resources; empty: none
};

void SetWindowClassIdentity(TWindowClassIdentity identity);

// Registers the class of `kind` ("Window", "Timer"...) with `procedure` the first time; returns
// its name. Fails with the system's error.
const std::string& RegisterWindowClass(const std::string& kind, WNDPROC procedure, UINT style = 0);

}  // namespace ui
