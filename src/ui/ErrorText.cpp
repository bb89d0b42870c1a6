#include "ui/ErrorText.h"

namespace ui {

std::string WithClosingPeriod(std::string message) {
  if (!message.empty() && static_cast<unsigned char>(message.back()) > '.') message += '.';
  return message;
}

}  // namespace ui
