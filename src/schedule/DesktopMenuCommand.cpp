#include "schedule/DesktopMenuCommand.h"

#include "platform/Module.h"
#include "platform/RegistryStore.h"
#include "schedule/ProgramCommand.h"

namespace schedule {
namespace {

// The user's own classes: no administrator is needed to add to the desktop's menu.
constexpr char kClassesKey[] = "Software\\Classes";
constexpr char kMenuSection[] = "DesktopBackground\\Shell\\VantoriaNext";
constexpr char kCommandSection[] = "DesktopBackground\\Shell\\VantoriaNext\\command";

}  // namespace

std::string OwnNextPictureCommand() { return ProgramCommand(platform::ExecutablePath(), kNextPictureSwitch); }

std::string DesktopMenuCommandLine() {
  return platform::RegistryStore(kClassesKey).ReadText(kCommandSection, "").value_or("");
}

void AddDesktopMenuCommand() {
  platform::RegistryStore classes(kClassesKey);
  classes.WriteString(kMenuSection, "MUIVerb", "Next Vantoria picture");
  classes.WriteString(kMenuSection, "Icon", ProgramIcon(platform::ExecutablePath()));
  classes.WriteString(kMenuSection, "Position", "Bottom");
  classes.WriteString(kCommandSection, "", OwnNextPictureCommand());
}

void RemoveDesktopMenuCommand() { platform::RegistryStore(kClassesKey).DeleteSection(kMenuSection); }

}  // namespace schedule
