#include "schedule/TaskDefinition.h"

#include <cstdio>

#include "platform/Paths.h"
#include "schedule/ProgramCommand.h"

namespace schedule {
namespace {

std::string Escaped(const std::string& text) {
  std::string escaped;
  for (const char c : text) {
    switch (c) {
      case '&': escaped += "&amp;"; break;
      case '<': escaped += "&lt;"; break;
      case '>': escaped += "&gt;"; break;
      case '"': escaped += "&quot;"; break;
      case '\'': escaped += "&apos;"; break;
      default: escaped += c;
    }
  }
  return escaped;
}

std::string Boundary(const LocalMinute& at) {
  char text[32];
  std::snprintf(text, sizeof text, "%04d-%02d-%02dT%02d:%02d:00", at.year, at.month, at.day, at.hour, at.minute);
  return text;
}

const char* TrueOrFalse(bool value) { return value ? "true" : "false"; }

// Both battery settings are explicit, as the defaults stop a laptop's task on battery without a
// word. The folder the task starts in is the program's: no run ever starts in the system's.
std::string TaskXml(const std::string& triggers, bool onBattery, const std::string& program,
                    const std::string& userSid, const char* switchText) {
  return std::string("<Task version=\"1.2\" xmlns=\"http://schemas.microsoft.com/windows/2004/02/mit/task\">") +
         "<Triggers>" + triggers + "</Triggers>"
         "<Principals><Principal id=\"User\"><UserId>" + Escaped(userSid) + "</UserId>"
         "<LogonType>InteractiveToken</LogonType><RunLevel>LeastPrivilege</RunLevel></Principal></Principals>"
         "<Settings>"
         "<MultipleInstancesPolicy>IgnoreNew</MultipleInstancesPolicy>"
         "<DisallowStartIfOnBatteries>" + TrueOrFalse(!onBattery) + "</DisallowStartIfOnBatteries>"
         "<StopIfGoingOnBatteries>false</StopIfGoingOnBatteries>"
         "<StartWhenAvailable>true</StartWhenAvailable>"
         "<RunOnlyIfNetworkAvailable>false</RunOnlyIfNetworkAvailable>"
         "<Enabled>true</Enabled>"
         "<Hidden>false</Hidden>"
         "<RunOnlyIfIdle>false</RunOnlyIfIdle>"
         "<WakeToRun>false</WakeToRun>"
         "<ExecutionTimeLimit>PT5M</ExecutionTimeLimit>"
         "</Settings>"
         "<Actions Context=\"User\"><Exec><Command>" + Escaped(QuotedProgram(program)) + "</Command>"
         "<Arguments>" + switchText + "</Arguments>"
         "<WorkingDirectory>" + Escaped(platform::ExtractFileDir(program)) + "</WorkingDirectory></Exec></Actions>"
         "</Task>";
}

}  // namespace

std::string RepetitionInterval(int minutes) {
  if (minutes >= 1440) return "P1D";
  if (minutes >= 60 && minutes % 60 == 0) return "PT" + std::to_string(minutes / 60) + "H";
  return "PT" + std::to_string(minutes) + "M";
}

// No Duration in the repetition: it repeats indefinitely.
std::string TaskDefinitionXml(const PictureChangeTaskRequest& request) {
  std::string triggers;
  if (request.minutes > 0)
    triggers += "<TimeTrigger>"
                "<Repetition><Interval>" + RepetitionInterval(request.minutes) + "</Interval></Repetition>"
                "<StartBoundary>" + Boundary(request.start) + "</StartBoundary><Enabled>true</Enabled>"
                "</TimeTrigger>";
  if (!request.once.empty())
    triggers += "<TimeTrigger><StartBoundary>" + Escaped(request.once) + "</StartBoundary><Enabled>true</Enabled>"
                "</TimeTrigger>";
  return TaskXml(triggers, request.onBattery, request.program, request.userSid, kTimedRunSwitch);
}

std::string RefitTaskXml(const std::string& program, const std::string& userSid) {
  const std::string user = "<UserId>" + Escaped(userSid) + "</UserId>";
  return TaskXml("<LogonTrigger><Enabled>true</Enabled>" + user + "</LogonTrigger>"
                 "<SessionStateChangeTrigger><Enabled>true</Enabled><StateChange>SessionUnlock</StateChange>" + user +
                 "</SessionStateChangeTrigger>",
                 true, program, userSid, kRefitSwitch);
}

}  // namespace schedule
