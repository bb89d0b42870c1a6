// What the rotation keeps between runs, in the user's data folder, in text files of lines, UTF-8.
// The largest keeps each folder it listed (when it was last written, its pictures and its
// subfolders), each picture's place in the deck, and the deck's progress when it was written:
//
//   Vantoria rotation 2
//   deck 5F3A9C0E12D4B877 17
//   last C:\Pictures\Holiday\beach.jpg|C:\Pictures\hill.jpg
//   folder 01DB5A8C3F1E2D00 *.jpg;*.jpeg;*.bmp;|C:\Pictures
//   sub Holiday
//   pic 3 1920x1080 01DA9E1F5B2C3D00 cat.jpg
//   pic - 0x0 0 new.jpg
//   end 7
//
// "deck" gives the deck's generation (a number that changes with every deck written) and how many
// of its places have been shown; "last" the pictures the last change showed (each monitor's, no
// path holds a bar); "folder" the folder's last-write time (hexadecimal), the mask it was listed
// with and its path; "sub" a subfolder's name; "pic" a picture's name, in the picture list's order,
// with its place in the deck ("-": not in it) and its size (ListedSize); "end" the number of lines
// before it, so that a file cut short is known. A file of version 1, whose picture lines have no
// size, reads as sizes never read. The progress file keeps the progress alone ("Vantoria rotation
// progress 2", "deck", "last"), then "next", the size ("-": never read) and the full path of each
// place not yet shown that comes next ("next 1920x1080 C:\Pictures\cat.jpg"), up to kUpcoming of
// them, and "end": a change that shows the next picture reads and writes only it. It counts when
// its generation is the state's. Names cannot hold a line end (Windows refuses control characters
// in them). Needs no Windows.
#pragma once

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "rotation/Deck.h"

namespace rotation {

// Names kept one after another in one text: a library of 100,000 pictures costs little more than
// their names.
class NameList {
 public:
  void Add(std::string_view name);
  std::size_t Size() const { return ends_.size(); }
  std::string_view operator[](std::size_t index) const;
  bool operator==(const NameList& other) const = default;

 private:
  std::string text_;
  std::vector<std::uint32_t> ends_;
};

// A picture's size as its header gave it (0 x 0: it gives none), read when the file's last-write
// time was `written`; 0: never read.
struct ListedSize {
  std::uint64_t written = 0;
  std::uint32_t width = 0;
  std::uint32_t height = 0;
  bool operator==(const ListedSize& other) const = default;
};

struct ListedFolder {
  std::uint64_t written = 0;  // the folder's last-write time when it was listed
  std::string mask;
  std::string path;
  NameList subfolders;
  NameList pictures;
  std::vector<std::uint32_t> places;  // each picture's place in the deck, or kNoPlace
  // Each picture's, or none while every size is unread: without the filters that need them, a
  // deck of 100,000 pictures holds no sizes.
  std::vector<ListedSize> sizes;
  bool operator==(const ListedFolder& other) const = default;

  ListedSize SizeAt(std::size_t picture) const { return picture < sizes.size() ? sizes[picture] : ListedSize(); }
};

struct DeckProgress {
  std::uint64_t generation = 0;
  std::uint64_t shown = 0;  // the deck's places below it have been shown
  std::vector<std::string> lastShown;  // the full paths of the pictures the last change showed
  bool operator==(const DeckProgress& other) const = default;
};

struct RotationState {
  DeckProgress progress;
  std::vector<ListedFolder> folders;
  bool operator==(const RotationState& other) const = default;
};

// The file's text, handed to `write` a line at a time, so that a large one is never held whole.
void WriteRotationState(const RotationState& state, const std::function<void(std::string_view line)>& write);
std::string RotationStateText(const RotationState& state);
// Nothing for a text that is not a whole state file of this kind.
std::optional<RotationState> ParseRotationState(std::string_view text);

// The generation a state file's first lines give; nothing when they are not a state's. Enough of
// a file to tell whether a progress belongs to it, without reading it all.
std::optional<std::uint64_t> StateGeneration(std::string_view beginning);

// How many of the places not yet shown the progress file names.
inline constexpr std::size_t kUpcoming = 256;

struct UpcomingPicture {
  std::string path;
  ListedSize size;  // as its listing gave it; its file's time is not kept: `written` is 1 once read
  bool operator==(const UpcomingPicture& other) const = default;
};

struct ProgressFile {
  DeckProgress progress;
  std::vector<UpcomingPicture> upcoming;  // the pictures of the places after those shown, in order
  bool operator==(const ProgressFile& other) const = default;
};
std::string ProgressFileText(const ProgressFile& file);
std::optional<ProgressFile> ParseProgressFile(std::string_view text);

}  // namespace rotation
