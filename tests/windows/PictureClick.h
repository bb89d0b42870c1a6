// Clicking a picture of the main window's list as a user does: the entry is selected, then the
// picture-click routine runs.
#pragma once

#include <string>

#include "windows/MainForm.h"

namespace windows {

// No entry is selected when none has that name.
inline void ClickPicture(TFormMain& form, const std::string& name) {
  form.FileLB.SetItemIndex(-1);
  for (int i = 0; i < form.FileLB.Count(); ++i)
    if (form.FileLB.Item(i) == name) form.FileLB.SetItemIndex(i);
  form.FileLBClick();
}

}  // namespace windows
