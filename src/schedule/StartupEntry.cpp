#include "schedule/StartupEntry.h"

#include "platform/Exceptions.h"
#include "platform/Module.h"
#include "platform/RegistryStore.h"
#include "schedule/ProgramCommand.h"

namespace schedule {
namespace {

constexpr char kRunKey[] = "Software\\Microsoft\\Windows\\CurrentVersion\\Run";
constexpr char kValueName[] = "Vantoria";

}  // namespace

std::string OwnStartupCommand() { return ProgramCommand(platform::ExecutablePath(), kStartupSwitch); }

std::string StartupEntryCommand() { return platform::RegistryStore(kRunKey).ReadCommand("", kValueName).value_or(""); }

void WriteStartupEntry() { platform::RegistryStore(kRunKey).WriteString("", kValueName, OwnStartupCommand()); }

void RemoveStartupEntry() {
  platform::RegistryStore run(kRunKey);
  run.DeleteValue("", kValueName);
  if (run.ReadText("", kValueName)) throw platform::ERegistryException("Failed to delete the start-up entry");
}

}  // namespace schedule
