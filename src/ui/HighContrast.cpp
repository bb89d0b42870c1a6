#include "ui/HighContrast.h"

#include <optional>

namespace ui {
namespace {

std::function<bool()>& Hook() {
  static std::function<bool()> hook;
  return hook;
}

std::optional<bool>& Known() {
  static std::optional<bool> known;
  return known;
}

}  // namespace

bool HighContrast() {
  if (Hook()) return Hook()();
  if (!Known()) {
    HIGHCONTRASTA setting = {};
    setting.cbSize = sizeof setting;
    Known() = ::SystemParametersInfoA(SPI_GETHIGHCONTRAST, sizeof setting, &setting, 0) &&
              (setting.dwFlags & HCF_HIGHCONTRASTON);
  }
  return *Known();
}

void ForgetHighContrast() { Known().reset(); }

void SetHighContrastHook(std::function<bool()> hook) { Hook() = std::move(hook); }

}  // namespace ui
