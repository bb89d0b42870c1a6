// Letters as Windows' file systems compare names: each UTF-16 unit folded to its capital by one
// fixed table, the same whatever the user's language (no "ß" to "SS", no Turkish dotless i).
// Needs no Windows.
#pragma once

namespace platform {

char16_t UpperCaseOfNameUnit(char16_t unit);

}  // namespace platform
