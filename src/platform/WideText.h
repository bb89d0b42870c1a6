// Text between the program's 8-bit form (the system code page) and UTF-16.
#pragma once

#include <string>

namespace platform {

std::wstring ToWide(const std::string& text);
std::string FromWide(const std::wstring& text);

}  // namespace platform
