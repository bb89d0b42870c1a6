#include "rotation/RotationState.h"

#include "rotation/StateLines.h"

namespace rotation {
namespace {

constexpr std::string_view kHeader = "Vantoria rotation 2";
constexpr std::string_view kFirstHeader = "Vantoria rotation 1";  // pictures without sizes
constexpr std::string_view kProgressHeader = "Vantoria rotation progress 2";

// "5F3A9C0E12D4B877 17"
bool ParseDeck(std::string_view text, DeckProgress& progress) {
  return text.size() > 17 && text[16] == ' ' && ParseNumber(text.substr(0, 16), progress.generation, 16) &&
         ParseNumber(text.substr(17), progress.shown);
}

// A folder line's fields: "01DB5A8C3F1E2D00 *.jpg;|C:\Pictures".
bool ParseFolder(std::string_view text, ListedFolder& folder) {
  const std::size_t space = text.find(' '), bar = text.find('|');
  if (space != 16 || bar == std::string_view::npos || bar < space || bar + 1 == text.size()) return false;
  folder.mask = text.substr(space + 1, bar - space - 1);
  folder.path = text.substr(bar + 1);
  return ParseNumber(text.substr(0, space), folder.written, 16);
}

// "1920x1080 " at the start of `text`, taken off it.
bool ParseSize(std::string_view& text, std::uint32_t& width, std::uint32_t& height) {
  const std::size_t x = text.find('x'), space = text.find(' ');
  if (x == std::string_view::npos || space == std::string_view::npos || x > space) return false;
  const bool parsed =
      ParseNumber(text.substr(0, x), width) && ParseNumber(text.substr(x + 1, space - x - 1), height);
  text.remove_prefix(space + 1);
  return parsed;
}
std::string SizeText(std::uint32_t width, std::uint32_t height) {
  return std::to_string(width) + "x" + std::to_string(height) + " ";
}

// A picture line's fields: "3 1920x1080 01DA9E1F5B2C3D00 cat.jpg" or "- 0x0 0 new.jpg"; in a file
// of version 1, "3 cat.jpg".
bool ParsePicture(std::string_view text, bool withSize, ListedFolder& folder) {
  std::size_t space = text.find(' ');
  if (space == std::string_view::npos) return false;
  std::uint32_t place = kNoPlace;
  if (text.substr(0, space) != "-" && (!ParseNumber(text.substr(0, space), place) || place == kNoPlace))
    return false;
  text.remove_prefix(space + 1);
  ListedSize size;
  if (withSize) {
    if (!ParseSize(text, size.width, size.height) || (space = text.find(' ')) == std::string_view::npos ||
        !ParseNumber(text.substr(0, space), size.written, 16))
      return false;
    text.remove_prefix(space + 1);
  }
  if (text.empty()) return false;
  folder.pictures.Add(text);
  folder.places.push_back(place);
  if (size != ListedSize() || !folder.sizes.empty()) {
    folder.sizes.resize(folder.pictures.Size() - 1);
    folder.sizes.push_back(size);
  }
  return true;
}

// The three lines both files begin with: the header, the deck's generation and how many of it
// were shown, and the last picture shown.
std::string ProgressLines(std::string_view header, const DeckProgress& progress) {
  std::string last;
  for (const std::string& picture : progress.lastShown)
    if (!picture.empty() && !HasLineEnd(picture) && picture.find('|') == std::string::npos)
      (last += last.empty() ? "" : "|") += picture;
  return std::string(header) + "\ndeck " + Hexadecimal(progress.generation) + " " + std::to_string(progress.shown) +
         "\nlast " + last + "\n";
}

std::vector<std::string> Pictures(std::string_view bars) {
  std::vector<std::string> pictures;
  while (!bars.empty()) {
    const std::size_t bar = bars.find('|');
    if (bar != 0) pictures.emplace_back(bars.substr(0, bar));
    bars.remove_prefix(bar == std::string_view::npos ? bars.size() : bar + 1);
  }
  return pictures;
}
constexpr std::size_t kProgressLines = 3;

// A state file of version 1 reads on: `formerHeader`.
bool ParseProgressLine(std::size_t number, std::string_view line, std::string_view header, DeckProgress& progress,
                       std::string_view formerHeader = {}) {
  std::string_view rest;
  switch (number) {
    case 0: return line == header || (!formerHeader.empty() && line == formerHeader);
    case 1: return Holds(line, "deck ", rest) && ParseDeck(rest, progress);
    default: return Holds(line, "last ", rest) && (progress.lastShown = Pictures(rest), true);
  }
}

}  // namespace

void NameList::Add(std::string_view name) {
  text_ += name;
  ends_.push_back(static_cast<std::uint32_t>(text_.size()));
}

std::string_view NameList::operator[](std::size_t index) const {
  const std::uint32_t start = index == 0 ? 0 : ends_[index - 1];
  return std::string_view(text_).substr(start, ends_[index] - start);
}

void WriteRotationState(const RotationState& state, const std::function<void(std::string_view line)>& write) {
  std::size_t lines = 0;
  std::string text;
  const auto line = [&](std::string_view first, std::string_view second = {}) {
    text.assign(first);
    text += second;
    text += '\n';
    write(text);
    ++lines;
  };
  write(ProgressLines(kHeader, state.progress));
  lines += kProgressLines;
  for (const ListedFolder& folder : state.folders) {
    if (HasLineEnd(folder.path) || HasLineEnd(folder.mask) || folder.mask.find('|') != std::string::npos) continue;
    line("folder ", Hexadecimal(folder.written) + " " + folder.mask + "|" + folder.path);
    for (std::size_t i = 0; i < folder.subfolders.Size(); ++i)
      if (!HasLineEnd(folder.subfolders[i])) line("sub ", folder.subfolders[i]);
    // Nearly every line is a picture's: made in one buffer, without a text for each field.
    std::string fields;
    const auto append = [&fields](std::uint64_t number, int base, char after) {
      char digits[20];
      fields.append(digits, std::to_chars(digits, digits + sizeof digits, number, base).ptr);
      fields += after;
    };
    for (std::size_t i = 0; i < folder.pictures.Size(); ++i) {
      if (HasLineEnd(folder.pictures[i])) continue;
      const std::uint32_t place = i < folder.places.size() ? folder.places[i] : kNoPlace;
      const ListedSize size = folder.SizeAt(i);
      fields.assign("pic ");
      if (place == kNoPlace)
        fields += "- ";
      else
        append(place, 10, ' ');
      append(size.width, 10, 'x');
      append(size.height, 10, ' ');
      if (size.written == 0)
        fields += "0 ";
      else
        fields += Hexadecimal(size.written) + " ";
      line(fields, folder.pictures[i]);
    }
  }
  write("end " + std::to_string(lines) + "\n");
}

std::string RotationStateText(const RotationState& state) {
  std::string text;
  WriteRotationState(state, [&text](std::string_view line) { text += line; });
  return text;
}

std::optional<RotationState> ParseRotationState(std::string_view text) {
  RotationState state;
  const bool withSizes = !text.starts_with(std::string(kFirstHeader) + "\n");
  const bool whole = ReadLines(text, [&](std::size_t number, std::string_view line) {
    if (number < kProgressLines) return ParseProgressLine(number, line, kHeader, state.progress, kFirstHeader);
    std::string_view rest;
    // Pictures first: nearly every line is one.
    if (Holds(line, "pic ", rest))
      return !state.folders.empty() && ParsePicture(rest, withSizes, state.folders.back());
    if (Holds(line, "folder ", rest)) return ParseFolder(rest, state.folders.emplace_back());
    return Holds(line, "sub ", rest) && !state.folders.empty() && !rest.empty() &&
           (state.folders.back().subfolders.Add(rest), true);
  });
  return whole ? std::optional(std::move(state)) : std::nullopt;
}

std::optional<std::uint64_t> StateGeneration(std::string_view beginning) {
  DeckProgress progress;
  for (std::size_t number = 0; number < 2; ++number) {
    const std::size_t end = beginning.find('\n');
    if (end == std::string_view::npos ||
        !ParseProgressLine(number, beginning.substr(0, end), kHeader, progress, kFirstHeader))
      return std::nullopt;
    beginning.remove_prefix(end + 1);
  }
  return progress.generation;
}

std::string ProgressFileText(const ProgressFile& file) {
  std::string text = ProgressLines(kProgressHeader, file.progress);
  std::size_t lines = kProgressLines;
  for (const UpcomingPicture& picture : file.upcoming) {
    if (picture.path.empty() || HasLineEnd(picture.path)) continue;
    (text += "next ") += (picture.size.written == 0 ? "- " : SizeText(picture.size.width, picture.size.height)) +
                        picture.path + "\n";
    ++lines;
  }
  return text + "end " + std::to_string(lines) + "\n";
}

std::optional<ProgressFile> ParseProgressFile(std::string_view text) {
  ProgressFile file;
  const bool whole = ReadLines(text, [&](std::size_t number, std::string_view line) {
    if (number < kProgressLines) return ParseProgressLine(number, line, kProgressHeader, file.progress);
    std::string_view rest;
    UpcomingPicture picture;
    if (!Holds(line, "next ", rest)) return false;
    if (Holds(rest, "- ", rest))
      picture.size = {};
    else if (ParseSize(rest, picture.size.width, picture.size.height))
      picture.size.written = 1;
    else
      return false;
    if (rest.empty()) return false;
    picture.path = rest;
    file.upcoming.push_back(std::move(picture));
    return true;
  });
  return whole ? std::optional(std::move(file)) : std::nullopt;
}

}  // namespace rotation
