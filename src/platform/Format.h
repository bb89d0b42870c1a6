// printf-style formatting into a std::string, for message patterns such as "Cannot open file %s".
#pragma once

#include <string>

namespace platform {

[[gnu::format(printf, 1, 2)]] std::string Format(const char* pattern, ...);

}  // namespace platform
