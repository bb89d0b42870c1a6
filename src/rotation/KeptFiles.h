// The rotation's own files in the user's data folder (%LOCALAPPDATA%\Vantoria): the deck's state,
// the history of changes and the pictures never to show. Each is written whole or not at all, by
// one writer at a time (its callers hold the change lock); one that is missing, unreadable or
// damaged counts as none, never as an error.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rotation/Exclusions.h"
#include "rotation/History.h"

namespace rotation {

std::string KeptFilePath(std::string_view name);
// The file's bytes; nothing when it is missing or cannot be read.
std::optional<std::vector<std::uint8_t>> ReadKeptBytes(std::string_view name);
// The file parsed; nothing when it is missing, cannot be read, or `parse` refuses it.
template <typename Parse>
auto ReadKeptFile(std::string_view name, Parse parse) -> decltype(parse(std::string_view())) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadKeptBytes(name);
  if (!bytes) return std::nullopt;
  return parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}
// Fails with the file's error; the folder is made first.
void WriteKeptFile(std::string_view name, std::string_view text);
// Why not, when the user has no data folder.
std::string MissingDataFolder();

THistory ReadHistory();
// Why not, when it could not be written.
std::string KeepHistory(const THistory& history);

inline constexpr char kExclusionsFileName[] = "Excluded pictures.txt";
TExclusions ReadExclusions();
// Adds the picture to the list, or removes every line naming it; fails with the file's error.
void SetExcluded(const std::string& picture, bool excluded);

}  // namespace rotation
