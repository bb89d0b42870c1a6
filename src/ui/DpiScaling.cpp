#include "ui/DpiScaling.h"

#include <cstdint>

namespace ui {

int ScaleToDpi(int designPixels, int dpi) { return static_cast<int>(std::int64_t{designPixels} * dpi / kDesignDpi); }

int ScaleToDpi(DesignLength length, int dpi) { return ScaleToDpi(length.pixels96, dpi); }

int ItemHeightAtDpi(DesignLength itemHeight, int dpi) {
  return static_cast<int>((std::int64_t{itemHeight.pixels96} * dpi + kDesignDpi / 2) / kDesignDpi);
}

}  // namespace ui
