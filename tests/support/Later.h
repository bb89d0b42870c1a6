// Runs an action once, from a timer tick a while after it was set up: for driving a modal loop
// from inside.
#pragma once

#include <chrono>
#include <functional>

#include "ui/Timer.h"

namespace testing_support {

class Later {
 public:
  Later(std::chrono::milliseconds delay, std::function<void()> action)
      : timer_(static_cast<unsigned>(delay.count())), action_(std::move(action)) {
    timer_.OnTimer = [this] {
      timer_.SetEnabled(false);
      action_();
    };
    timer_.SetEnabled(true);
  }

 private:
  ui::TTimer timer_;
  std::function<void()> action_;
};

}  // namespace testing_support
