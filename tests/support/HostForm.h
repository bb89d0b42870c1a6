// A hidden form of the main window's size, to put the controls under test on.
#pragma once

#include "ui/Form.h"

namespace testing_support {

inline ui::TFormSpec HostFormSpec() {
  ui::TFormSpec spec;
  spec.name = "HostForm";
  spec.width = 450;
  spec.height = 459;
  return spec;
}

}  // namespace testing_support
