// Text between the program's 8-bit form (the system code page) and UTF-16.
#pragma once

#include <string>

namespace platform {

std::wstring ToWide(const std::string& text);
std::string FromWide(const std::wstring& text);

// Whether the text passes through that code page unchanged: no letter becomes "?" or a look-alike.
bool SurvivesCodePage(const std::wstring& text, unsigned codePage);

}  // namespace platform
