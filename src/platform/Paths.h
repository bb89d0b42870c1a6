// Path text helpers that work on 8-bit Windows paths as plain text. Needs no Windows.
#pragma once

#include <string>
#include <string_view>

namespace platform {

// The folder part of a file path: everything before the last backslash, except that a drive's
// root keeps its backslash ("C:\Program.exe" gives "C:\").
std::string ExtractFileDir(std::string_view path);

// The one way the program compares paths, as Windows compares the names of files: letters of any
// case (by the file systems' table, platform/NameCase.h), "/" as "\", and a trailing separator
// but a root's left out. Paths are UTF-8; bytes that are not are compared as they are. Nothing
// else is normalised ("." and ".." stay).
std::string PathKey(std::string_view path);
bool SamePath(std::string_view first, std::string_view second);

}  // namespace platform
