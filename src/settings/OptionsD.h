// The options dialog: display style, random order and the once-a-day start-up change.
#pragma once

#include "ui/Form.h"

namespace settings {

class TODialog : public ui::TForm {
 public:
  TODialog();
};

}  // namespace settings
