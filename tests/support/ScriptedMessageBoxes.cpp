#include "support/ScriptedMessageBoxes.h"

namespace testing_support {

ScriptedMessageBoxes::ScriptedMessageBoxes() {
  previous_ = ui::SetMessageBoxHook([this](const ui::MessageBoxRequest& request) {
    shown.push_back(request);
    if (!answers_.empty()) {
      const int answer = answers_.front();
      answers_.pop_front();
      return answer;
    }
    return request.buttons == MB_YESNO ? IDYES : IDOK;
  });
}

ScriptedMessageBoxes::~ScriptedMessageBoxes() { ui::SetMessageBoxHook(std::move(previous_)); }

}  // namespace testing_support
