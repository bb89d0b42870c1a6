// A hidden form of the main window's size, to put the controls under test on.
#pragma once

#include "ui/Form.h"

namespace testing_support {

inline ui::TFormSpec HostFormSpec() {
  ui::TFormSpec layout;
  layout.name = "HostForm";
  layout.bounds = ui::Design(0, 0, 450, 459);
  return layout;
}

}  // namespace testing_support
