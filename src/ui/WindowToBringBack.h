// Which window the program's task-bar button brings to the front: the box or dialog that the
// last active form opened last, else that form; the same for the main form when the last active
// one is gone or cannot be activated; none when nothing can. Needs no Windows: `windows` answers
// Exists, LastActivePopup (the form itself when it opened none) and CanBeActivated.
#pragma once

namespace ui {

template <typename Window, typename Windows>
Window WindowToBringBack(Window lastActiveForm, Window mainForm, const Windows& windows) {
  for (Window form : {lastActiveForm, mainForm}) {
    if (!windows.Exists(form)) continue;
    const Window popup = windows.LastActivePopup(form);
    if (windows.CanBeActivated(popup)) return popup;
    if (windows.CanBeActivated(form)) return form;
  }
  return Window{};
}

}  // namespace ui
