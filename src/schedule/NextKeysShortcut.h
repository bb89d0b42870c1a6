// "Vantoria next picture.lnk" in the user's Start menu programs folder: a shortcut that runs this
// program with "/next" and carries the hot key the user chose. Explorer starts it when the keys
// are pressed, with nothing of ours running.
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace schedule {

struct NextKeysShortcut {
  std::string command;  // the program and its arguments, as a command line
  std::uint16_t hotKey = 0;
};
// The shortcut as it is now; nothing when there is none or it cannot be read.
std::optional<NextKeysShortcut> ReadNextKeysShortcut();
// Written for this program with `hotKey`; both fail with platform::Exception.
void WriteNextKeysShortcut(std::uint16_t hotKey);
void RemoveNextKeysShortcut();

// The path of another shortcut of the Start menu or the desktop (the user's or everyone's) with
// `hotKey`; nothing when none has it.
std::optional<std::string> ShortcutWithHotKey(std::uint16_t hotKey);

}  // namespace schedule
