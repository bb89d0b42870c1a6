// Windows' high-contrast mode: while it is on, every colour the program fixes (grey captions, the
// green hover, blue links) is drawn with the system's colours instead. Read at the first drawing
// and again whenever the system's settings or colours change. Tests switch it through the hook:
// Wine always reports it off.
#pragma once

#include <functional>

#include "ui/Colors.h"

namespace ui {

bool HighContrast();
// The system told of a change: read the setting again at the next question.
void ForgetHighContrast();
// `designed` normally, `system` in high contrast.
inline TColor InContrast(TColor designed, TColor system) { return HighContrast() ? system : designed; }

// Replaces the system's answer until reset with an empty hook.
void SetHighContrastHook(std::function<bool()> hook);

}  // namespace ui
