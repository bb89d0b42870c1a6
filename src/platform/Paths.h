// Path text helpers that work on 8-bit Windows paths as plain text.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder part of a file path: everything before the last backslash, except that a drive's
// root keeps its backslash ("C:\Program.exe" gives "C:\").
std::string ExtractFileDir(std::string_view path);

}  // namespace platform
