#include "schedule/DesktopMenuCommand.h"

#include <windows.h>

#include "platform/Module.h"
#include "platform/RegistryStore.h"

namespace schedule {
namespace {

constexpr char kMenuKey[] = "Software\\Classes\\DesktopBackground\\Shell\\VantoriaNext";

}  // namespace

std::string OwnNextPictureCommand() { return "\"" + platform::ExecutablePath() + "\" " + kNextPictureSwitch; }

std::string DesktopMenuCommandLine() {
  char command[1024] = {};
  DWORD size = sizeof command;
  const std::string key = std::string(kMenuKey) + "\\command";
  if (::RegGetValueA(HKEY_CURRENT_USER, key.c_str(), nullptr, RRF_RT_REG_SZ, nullptr, command, &size) !=
      ERROR_SUCCESS)
    return "";
  return command;
}

void AddDesktopMenuCommand() {
  platform::RegistryStore menu(kMenuKey);
  menu.WriteString("", "MUIVerb", "Next Vantoria picture");
  menu.WriteString("", "Icon", "\"" + platform::ExecutablePath() + "\",0");
  menu.WriteString("", "Position", "Bottom");
  menu.WriteString("command", "", OwnNextPictureCommand());
}

void RemoveDesktopMenuCommand() { ::RegDeleteTreeA(HKEY_CURRENT_USER, kMenuKey); }

}  // namespace schedule
