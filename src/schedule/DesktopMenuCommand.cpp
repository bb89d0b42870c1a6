#include "schedule/DesktopMenuCommand.h"

#include "platform/Module.h"
#include "platform/RegistryStore.h"
#include "schedule/ProgramCommand.h"

namespace schedule {
namespace {

// The user's own classes: no administrator is needed to add to the desktop's menu.
constexpr char kClassesKey[] = "Software\\Classes";
// The submenu's commands are read from the key that ExtendedSubCommandsKey names: its own.
constexpr char kMenuSection[] = "DesktopBackground\\Shell\\Vantoria";
constexpr char kEarlierMenuSection[] = "DesktopBackground\\Shell\\VantoriaNext";

struct MenuCommand {
  const char* key;  // the menu orders its commands by their keys' names
  const char* caption;
  const char* switchText;
};
constexpr MenuCommand kCommands[] = {
    {"1Next", "&Next picture", kNextPictureSwitch},
    {"2NextHere", "Next picture on &this monitor", kNextHereSwitch},
    {"3Previous", "Pre&vious picture", kPreviousPictureSwitch},
    {"4Show", "&Show the picture's file", kShowPictureSwitch},
    {"5Exclude", "Never show this picture &again", kExcludePictureSwitch},
    {"6Pause", "&Pause the changes", kPauseSwitch},
    {"7Resume", "&Resume the changes", kResumeSwitch},
};

std::string CommandSection(const MenuCommand& command) {
  return std::string(kMenuSection) + "\\Shell\\" + command.key;
}

}  // namespace

std::string OwnNextPictureCommand() { return ProgramCommand(platform::ExecutablePath(), kNextPictureSwitch); }

std::string DesktopMenuCommandLine() {
  return platform::RegistryStore(kClassesKey).ReadCommand(CommandSection(kCommands[0]) + "\\command", "").value_or("");
}

void RemoveDesktopMenuCommand() {
  platform::RegistryStore classes(kClassesKey);
  classes.DeleteSection(kEarlierMenuSection);
  classes.DeleteSection(kMenuSection);
}

void AddDesktopMenuCommand() {
  RemoveDesktopMenuCommand();  // no command of an earlier set is left
  platform::RegistryStore classes(kClassesKey);
  classes.WriteString(kMenuSection, "MUIVerb", "Vantoria");
  classes.WriteString(kMenuSection, "Icon", ProgramIcon(platform::ExecutablePath()));
  classes.WriteString(kMenuSection, "Position", "Bottom");
  classes.WriteString(kMenuSection, "ExtendedSubCommandsKey", kMenuSection);
  for (const MenuCommand& command : kCommands) {
    classes.WriteString(CommandSection(command), "MUIVerb", command.caption);
    classes.WriteString(CommandSection(command) + "\\command", "",
                        ProgramCommand(platform::ExecutablePath(), command.switchText));
  }
}

}  // namespace schedule
