#include "settings/DayNightStore.h"

#include <span>

#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "platform/Files.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"
#include "settings/UserDataFolder.h"

namespace settings {
namespace {

constexpr char kPhasesFileName[] = "Day and night.txt";
constexpr char kPersonalizeKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Themes\\Personalize";

std::string PhasesFile() { return UserDataFolder() + "\\" + kPhasesFileName; }

const char* PhaseName(schedule::Phase phase) { return phase == schedule::Phase::kDay ? "day" : "night"; }

}  // namespace

TFolderPhases ReadFolderPhases() {
  if (UserDataFolder().empty() || !platform::FileExists(PhasesFile())) return {};
  try {
    const std::vector<std::uint8_t> bytes = platform::ReadWholeFile(PhasesFile());
    return TFolderPhases(std::string_view(reinterpret_cast<const char*>(bytes.data()), bytes.size()));
  } catch (const platform::Exception&) {
    return {};
  }
}

void KeepFolderPhases(const TFolderPhases& phases) {
  if (UserDataFolder().empty()) throw platform::Exception("this user has no folder for the program's data");
  platform::MakeFolder(UserDataFolder());
  const std::string text = phases.Text();
  platform::ReplaceFileContent(PhasesFile(), {reinterpret_cast<const std::uint8_t*>(text.data()), text.size()});
}

DayNightChoice StoredDayNight(std::string& why) {
  platform::RegistryStore store = OpenSettingsStore();
  const auto text = [&](const char* name) { return store.ReadText(stored::kSection, name).value_or(""); };
  return DayNightOfStored(text(stored::kDayNight), text(stored::kLatitude), text(stored::kLongitude), why);
}

void StoreDayNight(const DayNightChoice& choice) {
  platform::RegistryStore store = OpenSettingsStore();
  store.WriteString(stored::kSection, stored::kDayNight, StoredTextOf(choice.source));
  if (choice.source != DayNightSource::kSun) return;
  store.WriteString(stored::kSection, stored::kLatitude, DegreesText(choice.place.latitude));
  store.WriteString(stored::kSection, stored::kLongitude, DegreesText(choice.place.longitude));
}

schedule::Phase ThemePhase() {
  const std::optional<std::uint32_t> light =
      platform::RegistryStore(kPersonalizeKey).ReadDword("", "AppsUseLightTheme");
  return light == 0u ? schedule::Phase::kNight : schedule::Phase::kDay;
}

std::string DayNightNow::Outcome() const {
  if (!phase) return why.empty() ? std::string() : "; " + why;
  std::string text = std::string("; ") + PhaseName(*phase);
  if (next) text += std::string("; next: ") + PhaseName(next->begins) + " at " + platform::LocalMinuteText(next->at);
  return text;
}

DayNightNow DayNightAt(schedule::UtcSeconds moment) {
  DayNightNow now;
  const DayNightChoice choice = StoredDayNight(now.why);
  if (choice.source == DayNightSource::kOff) return now;
  now.anyFolderMarked = ReadFolderPhases().AnyMarked();
  if (choice.source == DayNightSource::kTheme) {
    now.phase = ThemePhase();
    return now;
  }
  now.phase = schedule::PhaseAt(moment, choice.place);
  now.next = schedule::NextPhaseChange(moment, choice.place);
  return now;
}

}  // namespace settings
