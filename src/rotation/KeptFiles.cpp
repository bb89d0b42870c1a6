#include "rotation/KeptFiles.h"

#include <array>

#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "settings/UserDataFolder.h"

namespace rotation {
namespace {

constexpr char kHistoryFileName[] = "History.txt";

// Far beyond what the program writes (a state of 100,000 pictures takes a few megabytes): a
// larger file is not the program's, and is never read into memory.
constexpr std::uint64_t kStateLimit = 512ull << 20;
constexpr std::uint64_t kOtherLimit = 16ull << 20;

using Write = std::function<void(std::string_view text)>;

std::string MissingDataFolder() {
  return settings::UserDataFolder().empty() ? "this user has no folder for the program's data" : std::string();
}

// The file's bytes; nothing when it is missing, or when it cannot be read: `unreadable` says why.
std::optional<std::vector<std::uint8_t>> ReadKeptBytes(std::string_view name, std::string& unreadable) {
  if (!MissingDataFolder().empty() || !platform::FileExists(KeptFilePath(name))) return std::nullopt;
  try {
    const platform::FileReader file(KeptFilePath(name));
    const std::uint64_t limit = name.ends_with(".state") ? kStateLimit : kOtherLimit;
    if (file.Size() > limit) {
      unreadable = KeptFilePath(name) + " is too large (" + std::to_string(file.Size()) + " bytes)";
      return std::nullopt;
    }
    return file.ReadAll();
  } catch (const platform::Exception& error) {
    unreadable = error.Message();
    return std::nullopt;
  }
}

template <typename Parse>
auto ReadKeptFile(std::string_view name, Parse parse, std::string& unreadable)
    -> decltype(parse(std::string_view())) {
  const std::optional<std::vector<std::uint8_t>> bytes = ReadKeptBytes(name, unreadable);
  if (!bytes) return std::nullopt;
  return parse(std::string_view(reinterpret_cast<const char*>(bytes->data()), bytes->size()));
}

// Written in pieces of some size as `produce` hands its text over: a large one is never held
// whole. Fails with the file's error; the folder is made first.
void WriteKeptFile(std::string_view name, const std::function<void(const Write&)>& produce) {
  if (const std::string missing = MissingDataFolder(); !missing.empty()) throw platform::Exception(missing);
  platform::MakeFolder(settings::UserDataFolder());
  platform::ReplacementFile file(KeptFilePath(name));
  std::string pending;
  const auto flush = [&] {
    file.Write({reinterpret_cast<const std::uint8_t*>(pending.data()), pending.size()});
    pending.clear();
  };
  produce([&](std::string_view text) {
    pending += text;
    if (pending.size() >= 64 * 1024) flush();
  });
  flush();
  file.Commit();
}

void WriteKeptText(std::string_view name, std::string_view text) {
  WriteKeptFile(name, [text](const Write& write) { write(text); });
}

// Why a file could not be kept, or must not be written over.
std::string Unkept(const std::string& unreadable, const std::function<void()>& write) {
  if (!unreadable.empty()) return "it could not be read (" + unreadable + "), so it was left as it was";
  try {
    write();
    return {};
  } catch (const platform::Exception& error) {
    return error.Message();
  }
}

}  // namespace

std::string KeptFilePath(std::string_view name) { return settings::UserDataFolder() + "\\" + std::string(name); }

Kept<THistory> ReadHistory() {
  Kept<THistory> history;
  history.content = ReadKeptFile(kHistoryFileName, ParseHistory, history.unreadable).value_or(THistory());
  return history;
}

std::string KeepHistory(const Kept<THistory>& history) {
  return Unkept(history.unreadable, [&] { WriteKeptText(kHistoryFileName, HistoryText(history.content)); });
}

// The progress file counts where it belongs to the state file's deck.
DeckFiles DeckFilesOf(std::string_view phase) {
  const std::string name = phase.empty() ? "Rotation" : "Rotation " + std::string(phase);
  return {name + ".state", name + ".progress", name + ".folders"};
}

Kept<RotationState> ReadRotationState(const DeckFiles& deck) {
  Kept<RotationState> state;
  state.content = ReadKeptFile(deck.state, ParseRotationState, state.unreadable).value_or(RotationState{});
  const std::optional<ProgressFile> progress = ReadKeptFile(deck.progress, ParseProgressFile, state.unreadable);
  if (progress && progress->progress.generation == state.content.progress.generation)
    state.content.progress = progress->progress;
  return state;
}

// The progress goes last: a run that finds the index and the progress of the state's generation
// may trust them.
std::string KeepRotationState(const DeckFiles& deck, Kept<RotationState>& state, bool listingsChanged,
                              const std::vector<UpcomingPicture>& upcoming, FolderIndex index) {
  return Unkept(state.unreadable, [&] {
    if (listingsChanged) {
      ++state.content.progress.generation;
      WriteKeptFile(deck.state, [&](const Write& write) { WriteRotationState(state.content, write); });
      index.generation = state.content.progress.generation;
      WriteKeptText(deck.index, FolderIndexText(index));
    }
    WriteKeptText(deck.progress, ProgressFileText({state.content.progress, upcoming}));
  });
}

// A progress counts when the state file there is, its first bytes read, is of its generation.
Kept<ProgressFile> ReadProgressFile(const DeckFiles& deck) {
  Kept<ProgressFile> progress;
  progress.content = ReadKeptFile(deck.progress, ParseProgressFile, progress.unreadable).value_or(ProgressFile{});
  std::optional<std::uint64_t> generation;
  try {
    std::array<std::uint8_t, 64> beginning{};
    const std::size_t read = platform::FileReader(KeptFilePath(deck.state)).ReadAt(0, beginning);
    generation = StateGeneration({reinterpret_cast<const char*>(beginning.data()), read});
  } catch (const platform::Exception&) {
  }
  if (generation != progress.content.progress.generation) progress.content = {};
  return progress;
}

std::optional<FolderIndex> ReadFolderIndex(const DeckFiles& deck) {
  std::string unreadable;
  return ReadKeptFile(deck.index, ParseFolderIndex, unreadable);
}

std::string KeepProgressFile(const DeckFiles& deck, const Kept<ProgressFile>& progress) {
  return Unkept(progress.unreadable, [&] { WriteKeptText(deck.progress, ProgressFileText(progress.content)); });
}

TExclusions ReadExclusions() {
  std::string unreadable;
  const std::optional<std::vector<std::uint8_t>> bytes = ReadKeptBytes(kExclusionsFileName, unreadable);
  return bytes ? TExclusions(ExclusionFileText(*bytes)) : TExclusions();
}

// A file that exists but cannot be read is not written over: the user's lines would go.
void SetExcluded(const std::string& picture, bool excluded) {
  std::string unreadable;
  const std::optional<std::vector<std::uint8_t>> bytes = ReadKeptBytes(kExclusionsFileName, unreadable);
  if (!unreadable.empty()) throw platform::Exception(unreadable);
  const std::string text = bytes ? ExclusionFileText(*bytes) : std::string();
  WriteKeptText(kExclusionsFileName, excluded ? TextExcluding(text, picture) : TextNotExcluding(text, picture));
}

}  // namespace rotation
