#include "ui/DpiScaling.h"

#include <cstdint>

namespace ui {

int ScaleToDpi(int designPixels, int dpi) { return static_cast<int>(std::int64_t{designPixels} * dpi / kDesignDpi); }

}  // namespace ui
