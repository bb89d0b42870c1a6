// The rotation's own files in the user's data folder (%LOCALAPPDATA%\Vantoria): the deck's state
// and progress, the history of changes and the pictures never to show. Each is written whole or
// not at all, by one writer at a time (its callers hold the change lock). One that is missing or
// damaged counts as none; one that exists but cannot be read (held by a backup or sync tool
// longer than the wait, or far too large) counts as none too, but is not written over: what it
// holds is not lost, and the run says why it was not kept.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rotation/Exclusions.h"
#include "rotation/FolderIndex.h"
#include "rotation/History.h"
#include "rotation/RotationState.h"

namespace rotation {

std::string KeptFilePath(std::string_view name);

// A kept file's content as read, and why the file must not be written over; empty when it may.
template <typename Content>
struct Kept {
  Content content;
  std::string unreadable;
};

Kept<THistory> ReadHistory();
// The history written; why not, when it could not be (or must not be).
std::string KeepHistory(const Kept<THistory>& history);

// The files of one deck: the state, its progress and its folders' index. The rotation keeps one
// deck of every selected folder's pictures, and with day and night one for each phase's.
struct DeckFiles {
  std::string state, progress, index;
};
// "Rotation.state"...; a phase's, "Rotation night.state"...
DeckFiles DeckFilesOf(std::string_view phase);

// The deck's state with the progress that belongs to it.
Kept<RotationState> ReadRotationState(const DeckFiles& deck);
// The progress written, with the `upcoming` pictures, and, when `listingsChanged`, the state (as a
// new generation) with the folders' index made of it; why not, when they could not be (or must not
// be).
std::string KeepRotationState(const DeckFiles& deck, Kept<RotationState>& state, bool listingsChanged,
                              const std::vector<UpcomingPicture>& upcoming, FolderIndex index);
// The progress file alone, when it belongs to the state file there is, and the folders' index
// (none when missing or damaged): what a change that shows the next picture reads.
Kept<ProgressFile> ReadProgressFile(const DeckFiles& deck);
std::optional<FolderIndex> ReadFolderIndex(const DeckFiles& deck);
// The progress file alone written.
std::string KeepProgressFile(const DeckFiles& deck, const Kept<ProgressFile>& progress);

inline constexpr char kExclusionsFileName[] = "Excluded pictures.txt";
// None when the list cannot be read.
TExclusions ReadExclusions();
// Adds the picture to the list, or removes every line naming it; fails with the file's error, or
// why it could not be read.
void SetExcluded(const std::string& picture, bool excluded);

}  // namespace rotation
