#include "settings/PausedChanges.h"

#include "platform/Clock.h"
#include "settings/Pause.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"

namespace settings {

void PauseChanges() {
  platform::RegistryStore store = OpenSettingsStore();
  if (store.ReadText(stored::kSection, stored::kPausedSince)) return;
  store.WriteString(stored::kSection, stored::kPausedSince, platform::LocalMinuteText(platform::UtcNow()));
}

void ResumeChanges() { OpenSettingsStore().DeleteValue(stored::kSection, stored::kPausedSince); }

std::string PausedChangesCaption() {
  platform::RegistryStore store = OpenSettingsStore();
  const std::optional<std::string> since = store.ReadText(stored::kSection, stored::kPausedSince);
  if (!since) return "";
  const platform::LocalTime now = platform::LocalTimeOf(platform::UtcNow());
  const ResumeAfter resumeAfter =
      ResumeAfterOfStored(store.ReadText(stored::kSection, stored::kResumeAfter).value_or(""));
  if (PauseEnded(*since, now, resumeAfter)) {
    store.DeleteValue(stored::kSection, stored::kPausedSince);
    return "";
  }
  return PausedCaption(*since, now);
}

}  // namespace settings
