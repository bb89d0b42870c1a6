// The changes of the wallpaper, newest last, and which of them the desktop shows: "Previous
// picture" steps back through them and "Next picture" forward again, as a browser's back and
// forward do, before it takes new pictures. Kept in the user's data folder as lines of UTF-8:
//
//   Vantoria history 1
//   current 1
//   change 2026-12-08 14:05:00
//   shown \\.\DISPLAY1|C:\Pictures\beach.jpg
//   shown \\.\DISPLAY2|C:\Pictures\hill.jpg
//   change 2026-12-08 14:15:00
//   shown |C:\Pictures\cat.jpg
//   end 7
//
// "current" is the number of the change shown, from 0; each "shown" names the monitor (empty for
// the one picture of the whole desktop) and the picture, which no Windows path can hold a bar in.
// Needs no Windows.
#pragma once

#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace rotation {

// How many changes are kept: the oldest go.
inline constexpr std::size_t kHistoryLength = 50;

struct ShownPicture {
  std::string monitor;  // its device name; empty: the picture covers the whole desktop
  std::string path;
  bool operator==(const ShownPicture&) const = default;
};

struct Change {
  std::string time;  // "2026-12-08 14:05:00", local
  std::vector<ShownPicture> pictures;
  bool operator==(const Change&) const = default;
};

class THistory {
 public:
  THistory() = default;
  // `current` past the end counts as the last.
  THistory(std::vector<Change> changes, std::size_t current);

  // A new change: those stepped back from are dropped, and the oldest beyond kHistoryLength.
  void Record(Change change);
  // The change shown, as it was set again (a picture gone since gave way to another).
  void ReplaceCurrent(Change change);
  // The nearest change before (after) the shown one that `canShow`, which is then the one shown;
  // none when there is none, and nothing moves.
  const Change* Back(const std::function<bool(const Change&)>& canShow);
  const Change* Forward(const std::function<bool(const Change&)>& canShow);

  const std::vector<Change>& Changes() const { return changes_; }
  // The change the desktop shows; none before the first.
  const Change* Current() const { return changes_.empty() ? nullptr : &changes_[current_]; }
  std::size_t CurrentIndex() const { return current_; }

 private:
  const Change* Step(int direction, const std::function<bool(const Change&)>& canShow);

  std::vector<Change> changes_;
  std::size_t current_ = 0;
};

// The picture a change showed on `monitor`: its own there, else the desktop's one, else its first;
// none for a change without pictures.
const ShownPicture* PictureOnMonitor(const Change& change, const std::string& monitor);

std::string HistoryText(const THistory& history);
// Nothing for a text that is not a whole history.
std::optional<THistory> ParseHistory(std::string_view text);

}  // namespace rotation
