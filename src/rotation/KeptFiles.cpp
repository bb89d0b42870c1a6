#include "rotation/KeptFiles.h"

#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "settings/UserDataFolder.h"

namespace rotation {
namespace {

constexpr char kHistoryFileName[] = "History.txt";

std::span<const std::uint8_t> BytesOf(std::string_view text) {
  return {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()};
}

}  // namespace

std::string KeptFilePath(std::string_view name) { return settings::UserDataFolder() + "\\" + std::string(name); }

std::string MissingDataFolder() {
  return settings::UserDataFolder().empty() ? "this user has no folder for the program's data" : std::string();
}

std::optional<std::vector<std::uint8_t>> ReadKeptBytes(std::string_view name) {
  if (!MissingDataFolder().empty()) return std::nullopt;
  try {
    return platform::ReadWholeFile(KeptFilePath(name));
  } catch (const platform::Exception&) {
    return std::nullopt;
  }
}

void WriteKeptFile(std::string_view name, std::string_view text) {
  if (const std::string missing = MissingDataFolder(); !missing.empty()) throw platform::Exception(missing);
  platform::MakeFolder(settings::UserDataFolder());
  platform::ReplaceFileContent(KeptFilePath(name), BytesOf(text));
}

THistory ReadHistory() { return ReadKeptFile(kHistoryFileName, ParseHistory).value_or(THistory()); }

std::string KeepHistory(const THistory& history) {
  try {
    WriteKeptFile(kHistoryFileName, HistoryText(history));
    return {};
  } catch (const platform::Exception& error) {
    return error.Message();
  }
}

TExclusions ReadExclusions() {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadKeptBytes(kExclusionsFileName);
  return bytes ? TExclusions(ExclusionFileText(*bytes)) : TExclusions();
}

// A file that exists but cannot be read is not written over: the user's lines would go.
void SetExcluded(const std::string& picture, bool excluded) {
  std::string text;
  if (platform::FileExists(KeptFilePath(kExclusionsFileName))) {
    text = ExclusionFileText(platform::ReadWholeFile(KeptFilePath(kExclusionsFileName)));
  }
  WriteKeptFile(kExclusionsFileName, excluded ? TextExcluding(text, picture) : TextNotExcluding(text, picture));
}

}  // namespace rotation
