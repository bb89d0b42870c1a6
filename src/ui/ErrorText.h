// How an error's message is shown in the error box.
#pragma once

#include <string>

namespace ui {

// Appends a period when the message's last character sorts after "." (so "!" and ")" get none,
// "?" gets one).
std::string WithClosingPeriod(std::string message);

}  // namespace ui
