// Shortcut files as Explorer reads them, for tests of the next picture's shortcut.
#pragma once

#include <cstdint>
#include <string>

namespace testing_support {

// "Vantoria next picture.lnk" in the user's Start menu programs folder.
std::string NextKeysShortcutPath();
// The command a shortcut runs and its hot key as Explorer reads it, in hexadecimal:
// "C:\Tools\Vantoria.exe" /next 064E; "<none>" without a shortcut.
std::string ShortcutText(const std::string& path);
// A shortcut to Notepad with `hotKey`; false when it cannot be made.
bool WriteShortcut(const std::string& path, std::uint16_t hotKey);

}  // namespace testing_support
