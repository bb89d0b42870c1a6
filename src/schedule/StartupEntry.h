// The per-user start-up entry that runs the log-on rotation: the value "Vantoria" of
// HKCU\Software\Microsoft\Windows\CurrentVersion\Run, the quoted program path with "/s".
#pragma once

#include <string>

namespace schedule {

inline constexpr char kStartupSwitch[] = "/s";

// This program's command line for the entry.
std::string OwnStartupCommand();
// What the entry runs now; empty when there is none.
std::string StartupEntryCommand();
// Both fail with platform::ERegistryException.
void WriteStartupEntry();
void RemoveStartupEntry();

}  // namespace schedule
