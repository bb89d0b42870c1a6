// How an error's message is shown in the error box.
#pragma once

#include <string>

namespace ui {

// Appends a period unless the message already ends in "." or a character that sorts before it
// ("!" and "?" do, so they get none).
std::string WithClosingPeriod(std::string message);

}  // namespace ui
