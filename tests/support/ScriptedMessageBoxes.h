// Replaces the program's message boxes for one test: records each box and answers it from a
// script (by default OK, or Yes for a question).
#pragma once

#include <deque>
#include <vector>

#include "ui/MessageBoxes.h"

namespace testing_support {

class ScriptedMessageBoxes {
 public:
  ScriptedMessageBoxes();
  ScriptedMessageBoxes(const ScriptedMessageBoxes&) = delete;
  ScriptedMessageBoxes& operator=(const ScriptedMessageBoxes&) = delete;
  ~ScriptedMessageBoxes();

  // The answer (IDOK, IDYES, IDNO) to the next box not yet answered by the script.
  void ThenAnswer(int answer) { answers_.push_back(answer); }

  std::vector<ui::MessageBoxRequest> shown;

 private:
  ui::MessageBoxHook previous_;
  std::deque<int> answers_;
};

}  // namespace testing_support
