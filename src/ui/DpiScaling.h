// Window layouts are designed at 96 dots per inch. On a screen of another resolution every
// designed position and size is multiplied by dpi / 96 and truncated toward zero, once: at 144
// dpi the preview's 217 x 145 becomes 325 x 217, an item height of 15 becomes 22, and a border
// of 1 stays 1.
#pragma once

namespace ui {

inline constexpr int kDesignDpi = 96;

int ScaleToDpi(int designPixels, int dpi);

}  // namespace ui
