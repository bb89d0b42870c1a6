#include "rotation/History.h"

#include <algorithm>

#include "rotation/StateLines.h"

namespace rotation {
namespace {

constexpr std::string_view kHeader = "Vantoria history 1";

}  // namespace

THistory::THistory(std::vector<Change> changes, std::size_t current)
    : changes_(std::move(changes)), current_(changes_.empty() ? 0 : std::min(current, changes_.size() - 1)) {}

void THistory::Record(Change change) {
  if (!changes_.empty()) changes_.erase(changes_.begin() + static_cast<std::ptrdiff_t>(current_) + 1, changes_.end());
  changes_.push_back(std::move(change));
  if (changes_.size() > kHistoryLength)
    changes_.erase(changes_.begin(), changes_.end() - static_cast<std::ptrdiff_t>(kHistoryLength));
  current_ = changes_.size() - 1;
}

void THistory::ReplaceCurrent(Change change) {
  if (changes_.empty())
    Record(std::move(change));
  else
    changes_[current_] = std::move(change);
}

const Change* THistory::Back(const std::function<bool(const Change&)>& canShow) { return Step(-1, canShow); }
const Change* THistory::Forward(const std::function<bool(const Change&)>& canShow) { return Step(1, canShow); }

const Change* THistory::Step(int direction, const std::function<bool(const Change&)>& canShow) {
  for (std::size_t i = current_; direction < 0 ? i > 0 : i + 1 < changes_.size();) {
    i = direction < 0 ? i - 1 : i + 1;
    if (canShow(changes_[i])) {
      current_ = i;
      return &changes_[i];
    }
  }
  return nullptr;
}

const ShownPicture* PictureOnMonitor(const Change& change, const std::string& monitor) {
  for (const std::string& wanted : {monitor, std::string()}) {
    const auto found = std::ranges::find(change.pictures, wanted, &ShownPicture::monitor);
    if (found != change.pictures.end()) return &*found;
  }
  return change.pictures.empty() ? nullptr : &change.pictures.front();
}

std::string HistoryText(const THistory& history) {
  std::size_t lines = 2;
  std::string text = std::string(kHeader) + "\ncurrent " + std::to_string(history.CurrentIndex()) + "\n";
  for (const Change& change : history.Changes()) {
    if (HasLineEnd(change.time)) continue;
    text += "change " + change.time + "\n";
    ++lines;
    for (const ShownPicture& shown : change.pictures) {
      if (HasLineEnd(shown.monitor) || HasLineEnd(shown.path) || shown.monitor.find('|') != std::string::npos) continue;
      text += "shown " + shown.monitor + "|" + shown.path + "\n";
      ++lines;
    }
  }
  return text + "end " + std::to_string(lines) + "\n";
}

std::optional<THistory> ParseHistory(std::string_view text) {
  std::vector<Change> changes;
  std::size_t current = 0;
  const bool whole = ReadLines(text, [&](std::size_t number, std::string_view line) {
    std::string_view rest;
    if (number == 0) return line == kHeader;
    if (number == 1) return Holds(line, "current ", rest) && ParseNumber(rest, current);
    if (Holds(line, "change ", rest)) return (changes.push_back({std::string(rest), {}}), true);
    const std::size_t bar = line.find('|');
    if (!Holds(line, "shown ", rest) || changes.empty() || bar == std::string_view::npos || bar + 1 == line.size())
      return false;
    changes.back().pictures.push_back({std::string(rest.substr(0, rest.find('|'))), std::string(line.substr(bar + 1))});
    return true;
  });
  // The program records no change without a picture: one would leave "/exclude" nothing to take.
  const auto pictureless = [](const Change& change) { return change.pictures.empty(); };
  if (!whole || std::ranges::any_of(changes, pictureless) || (!changes.empty() && current >= changes.size()))
    return std::nullopt;
  return THistory(std::move(changes), current);
}

}  // namespace rotation
