// Data compiled into the executable.
#pragma once

#include <cstdint>
#include <vector>

namespace platform {

// The bytes of the executable's RCDATA resource `name`; fails with "Resource %s not found".
std::vector<std::uint8_t> ResourceBytes(const char* name);

}  // namespace platform
