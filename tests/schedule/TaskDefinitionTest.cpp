#include "schedule/TaskDefinition.h"

#include <gtest/gtest.h>

#include "schedule/ProgramCommand.h"
#include "support/XmlElement.h"

namespace schedule {
namespace {

using testing_support::XmlElement;

std::string Xml(int minutes, bool onBattery = true, std::string program = "C:\\Vantoria\\Vantoria.exe") {
  return TaskDefinitionXml({minutes, onBattery, std::move(program), "S-1-5-21-1-2-3-1001", {2026, 1, 9, 7, 5}});
}

TEST(TaskDefinitionTest, RepeatsIndefinitelyFromItsStartForTheUserOnBatteryAsChosenWithAnyPathEscaped) {
  for (const auto& [minutes, interval] : {std::pair{1, "PT1M"}, {15, "PT15M"}, {60, "PT1H"}, {180, "PT3H"},
                                          {720, "PT12H"}, {1440, "P1D"}, {90, "PT90M"}}) {
    EXPECT_EQ(XmlElement(Xml(minutes), "Interval"), interval) << minutes;
    EXPECT_EQ(Xml(minutes).find("Duration"), std::string::npos) << "a duration would end the repetition";
  }
  for (const auto& [name, text] :
       {std::pair{"StartBoundary", "2026-01-09T07:05:00"}, {"UserId", "S-1-5-21-1-2-3-1001"},
        {"LogonType", "InteractiveToken"}, {"RunLevel", "LeastPrivilege"}, {"MultipleInstancesPolicy", "IgnoreNew"},
        {"ExecutionTimeLimit", "PT5M"}, {"StartWhenAvailable", "true"}, {"StopIfGoingOnBatteries", "false"},
        {"WakeToRun", "false"}, {"RunOnlyIfNetworkAvailable", "false"}, {"RunOnlyIfIdle", "false"}, {"Hidden", "false"},
        {"DisallowStartIfOnBatteries", "false"}, {"Arguments", "/timer"}, {"WorkingDirectory", "C:\\Vantoria"}})
    EXPECT_EQ(XmlElement(Xml(10), name), text) << name;
  // The monitors' task: at log-on and at the session's unlock, of this user, on battery too.
  const std::string refit = RefitTaskXml("C:\\Vantoria\\Vantoria.exe", "S-1-5-21-1-2-3-1001");
  for (const auto& [name, text] : {std::pair{"StateChange", "SessionUnlock"},
                                   {"Arguments", "/refit"},
                                   {"DisallowStartIfOnBatteries", "false"},
                                   {"WorkingDirectory", "C:\\Vantoria"},
                                   {"LogonTrigger", "<Enabled>true</Enabled><UserId>S-1-5-21-1-2-3-1001</UserId>"}})
    EXPECT_EQ(XmlElement(refit, name), text) << name;
  EXPECT_EQ(XmlElement(Xml(5, false), "DisallowStartIfOnBatteries"), "true");
  // The next sunrise or sunset: once, in UTC, beside the interval or alone.
  PictureChangeTaskRequest sun{0, true, "C:\\Vantoria\\Vantoria.exe", "S-1-5-21-1-2-3-1001", {2026, 1, 9, 7, 5},
                               "2026-12-10T07:05:00Z"};
  EXPECT_EQ(TaskDefinitionXml(sun).find("<Repetition>"), std::string::npos);
  EXPECT_EQ(XmlElement(TaskDefinitionXml(sun), "StartBoundary"), "2026-12-10T07:05:00Z");
  sun.minutes = 60;
  EXPECT_NE(TaskDefinitionXml(sun).find("</TimeTrigger><TimeTrigger><StartBoundary>2026-12-10T07:05:00Z<"),
            std::string::npos);
  const std::string path = "C:\\Pictures & Tools\\<new> \xC5\xA1kola\\Ann's\\Vantoria.exe";  // "škola" in UTF-8
  EXPECT_EQ(XmlElement(Xml(5, true, path), "Command"),
            "&quot;C:\\Pictures &amp; Tools\\&lt;new&gt; \xC5\xA1kola\\Ann&apos;s\\Vantoria.exe&quot;");
  EXPECT_EQ(ProgramCommand(path, kTimedRunSwitch), "\"" + path + "\" /timer");
}

// Quoted, the program is the quoted text; unquoted, as Windows reads it: the shortest run of words
// that names a program there is, ".exe" added, else the first word.
TEST(ProgramCommandTest, TheProgramOfACommandIsReadAsWindowsReadsIt) {
  const std::string path = "C:\\Pictures & Tools\\\xC5\xA1kola\\Vantoria.exe";
  const auto exists = [](const std::string& program) {
    return program == "C:\\Program Files\\Vantoria\\Vantoria.exe" || program == "D:\\Tools\\V.exe";
  };
  for (const auto& [command, program] : std::initializer_list<std::pair<std::string, std::string>>{
           {ProgramCommand(path, kTimedRunSwitch), path},
           {"  \"C:\\Program Files\\Vantoria\\Vantoria.exe\"/s", "C:\\Program Files\\Vantoria\\Vantoria.exe"},
           {"D:\\Tools\\Vantoria\\Vantoria.exe /s", "D:\\Tools\\Vantoria\\Vantoria.exe"},
           {"C:\\Program Files\\Vantoria\\Vantoria.exe /s", "C:\\Program Files\\Vantoria\\Vantoria.exe"},
           {"D:\\Tools\\V /s", "D:\\Tools\\V.exe"},
           {"C:\\Gone Folder\\Vantoria.exe /s", "C:\\Gone"},
           {"\"C:\\Unended", "C:\\Unended"},
           {" ", ""},
       })
    EXPECT_EQ(ProgramOfCommand(command, exists), program) << command;
}

}  // namespace
}  // namespace schedule
