#include "schedule/TaskDefinition.h"

#include <gtest/gtest.h>

namespace schedule {
namespace {

std::string Element(const std::string& xml, const std::string& name) {
  const std::string open = "<" + name + ">";
  const auto start = xml.find(open);
  if (start == std::string::npos) return "<missing>";
  const auto end = xml.find("</" + name + ">", start);
  return xml.substr(start + open.size(), end - start - open.size());
}

PictureChangeTaskRequest Request(int minutes, bool onBattery = true, std::string program = "C:\\Vantoria\\Vantoria.exe") {
  return {.minutes = minutes,
          .onBattery = onBattery,
          .program = std::move(program),
          .userSid = "S-1-5-21-1-2-3-1001",
          .start = {2026, 1, 9, 7, 5}};
}

TEST(TaskDefinitionTest, RepeatsIndefinitelyAtTheIntervalFromItsStart) {
  const std::vector<std::pair<int, std::string>> rows{{1, "PT1M"},   {5, "PT5M"},   {10, "PT10M"}, {15, "PT15M"},
                                                      {30, "PT30M"}, {60, "PT1H"},  {180, "PT3H"}, {360, "PT6H"},
                                                      {720, "PT12H"}, {1440, "P1D"}, {90, "PT90M"}};
  for (const auto& [minutes, interval] : rows) {
    const std::string xml = TaskDefinitionXml(Request(minutes));
    EXPECT_EQ(Element(xml, "Interval"), interval) << minutes;
    EXPECT_EQ(xml.find("Duration"), std::string::npos) << "a duration would end the repetition";
  }
  const std::string xml = TaskDefinitionXml(Request(10));
  EXPECT_EQ(Element(xml, "StartBoundary"), "2026-01-09T07:05:00") << "local time: no zone";
  EXPECT_EQ(Element(xml, "UserId"), "S-1-5-21-1-2-3-1001");
  EXPECT_EQ(Element(xml, "LogonType"), "InteractiveToken");
  EXPECT_EQ(Element(xml, "RunLevel"), "LeastPrivilege");
  EXPECT_EQ(Element(xml, "MultipleInstancesPolicy"), "IgnoreNew");
  EXPECT_EQ(Element(xml, "ExecutionTimeLimit"), "PT5M");
  EXPECT_EQ(Element(xml, "StartWhenAvailable"), "true");
  for (const char* off : {"StopIfGoingOnBatteries", "WakeToRun", "RunOnlyIfNetworkAvailable", "RunOnlyIfIdle", "Hidden"})
    EXPECT_EQ(Element(xml, off), "false") << off;
  EXPECT_EQ(xml.find("LogonTrigger"), std::string::npos);
}

TEST(TaskDefinitionTest, BatteryChoiceAndAnyPathComeThroughEscaped) {
  EXPECT_EQ(Element(TaskDefinitionXml(Request(5, true)), "DisallowStartIfOnBatteries"), "false");
  EXPECT_EQ(Element(TaskDefinitionXml(Request(5, false)), "DisallowStartIfOnBatteries"), "true");
  const std::string path = "C:\\Pictures & Tools\\<new> \xC5\xA1kola\\Vantoria.exe";  // "škola" in UTF-8
  const std::string xml = TaskDefinitionXml(Request(5, true, path));
  EXPECT_EQ(Element(xml, "Command"), "&quot;C:\\Pictures &amp; Tools\\&lt;new&gt; \xC5\xA1kola\\Vantoria.exe&quot;");
  EXPECT_EQ(Element(xml, "Arguments"), "/timer");
  EXPECT_EQ(TimedRunCommand(path), "\"" + path + "\" /timer");
}

}  // namespace
}  // namespace schedule
