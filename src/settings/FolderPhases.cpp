#include "settings/FolderPhases.h"

#include "platform/Paths.h"

namespace settings {

// A file with a zero byte in it is no text: damaged, it holds no choices.
TFolderPhases::TFolderPhases(std::string_view fileText) {
  if (fileText.find('\0') != std::string_view::npos) return;
  if (fileText.starts_with("\xEF\xBB\xBF")) fileText.remove_prefix(3);
  while (!fileText.empty()) {
    const std::size_t end = fileText.find('\n');
    std::string_view line = fileText.substr(0, end);
    fileText.remove_prefix(end == std::string_view::npos ? fileText.size() : end + 1);
    if (line.ends_with('\r')) line.remove_suffix(1);
    const std::size_t space = line.find(' ');
    if (space == std::string_view::npos || space + 1 == line.size()) continue;
    const std::string_view word = line.substr(0, space);
    if (word == "day" || word == "night")
      Set(std::string(line.substr(space + 1)), word == "day" ? ShownWhen::kByDay : ShownWhen::kByNight);
  }
}

ShownWhen TFolderPhases::Of(const std::string& folder) const {
  const auto found = marks_.find(platform::PathKey(folder));
  return found == marks_.end() ? ShownWhen::kAnyTime : found->second.when;
}

void TFolderPhases::Set(const std::string& folder, ShownWhen when) {
  const std::string key = platform::PathKey(folder);
  if (when == ShownWhen::kAnyTime)
    marks_.erase(key);
  else
    marks_[key] = {folder, when};
}

std::string TFolderPhases::Text() const {
  std::string text;
  for (const auto& [key, mark] : marks_)
    if (mark.path.find_first_of("\r\n") == std::string::npos)
      text += (mark.when == ShownWhen::kByDay ? "day " : "night ") + mark.path + "\r\n";
  return text;
}

bool Fits(ShownWhen when, schedule::Phase phase) {
  return when == ShownWhen::kAnyTime || (when == ShownWhen::kByDay) == (phase == schedule::Phase::kDay);
}

std::vector<std::size_t> EntriesOfPhase(const std::vector<ShownWhen>& entries, schedule::Phase phase) {
  std::vector<std::size_t> fitting;
  for (std::size_t i = 0; i < entries.size(); ++i)
    if (Fits(entries[i], phase)) fitting.push_back(i);
  if (fitting.empty())
    for (std::size_t i = 0; i < entries.size(); ++i) fitting.push_back(i);
  return fitting;
}

}  // namespace settings
