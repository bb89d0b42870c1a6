#include "settings/StoredOptions.h"

#include "settings/DayNight.h"
#include "settings/FolderPhases.h"
#include "settings/HotKeyText.h"
#include "settings/Pause.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <optional>
#include <tuple>
#include <string>
#include <vector>

namespace settings {
namespace {

// The store's operations, each one written down in order; texts are kept, numbers and flags read
// as the digits their texts begin with (the registry store's conversions are its own).
class FakeStore {
 public:
  std::map<std::string, std::string> texts;
  std::vector<std::string> done;
  std::string notText;  // the name of a value stored as something else than text

  std::string ReadString(const std::string& section, const std::string& name, const std::string& fallback) {
    done.push_back("read " + section + "\\" + name);
    if (name == notText) throw platform::ERegistryException("Invalid data type for '" + name + "'");
    return texts.contains(name) ? texts[name] : fallback;
  }
  int ReadInteger(const std::string& section, const std::string& name, int fallback) {
    const std::string text = ReadString(section, name, "");
    return text.empty() ? fallback : std::atoi(text.c_str());
  }
  bool ReadBool(const std::string& section, const std::string& name, bool fallback) {
    return ReadInteger(section, name, fallback) != 0;
  }
  void WriteString(const std::string& section, const std::string& name, const std::string& text) {
    done.push_back("write " + section + "\\" + name + "=" + text);
    texts[name] = text;
  }
  void WriteInteger(const std::string& section, const std::string& name, int value) {
    WriteString(section, name, std::to_string(value));
  }
  void WriteBool(const std::string& section, const std::string& name, bool value) {
    WriteString(section, name, value ? "1" : "0");
  }
};

using Steps = std::vector<std::string>;

// A fresh user: the dialog offers random order, Tile and no daily limit, while log-on runs go in
// order from the first picture of the first folder, at every log-on.
TEST(StoredOptionsTest, EachReaderHasItsOwnDefaultsAndItsOwnOrder) {
  FakeStore store;
  TDialogOptions dialog;
  dialog.Load(store);
  EXPECT_TRUE(dialog.rndFile);
  EXPECT_EQ(dialog.display, 0);
  EXPECT_FALSE(dialog.changeWP);
  EXPECT_EQ(dialog.changeEvery, 0) << "at log-on only";
  EXPECT_TRUE(dialog.onBattery);
  EXPECT_FALSE(dialog.desktopMenu);
  TRotationSettings rotation;
  rotation.Load(store);
  EXPECT_EQ(rotation.file, 0);
  EXPECT_EQ(rotation.folder, 0);
  EXPECT_FALSE(rotation.rndFile);
  EXPECT_FALSE(rotation.changeWP);
  EXPECT_EQ(store.done, (Steps{"read Settings\\RndFile", "read Settings\\Display", "read Settings\\ChangeWP",
                               "read Settings\\PerMonitor", "read Settings\\AllPictures", "read Settings\\ChangeEvery",
                               "read Settings\\OnBattery", "read Settings\\DesktopMenu", "read Settings\\Subfolders",
                               "read Settings\\Shuffle", "read Settings\\RunAtLogon", "read Settings\\ResumeAfter",
                               "read Settings\\SmallestPart", "read Settings\\SameShape", "read Settings\\RndFile",
                               "read Settings\\Shuffle", "read Settings\\File", "read Settings\\Folder",
                               "read Settings\\ChangeWP", "read Settings\\Subfolders", "read Settings\\SmallestPart",
                               "read Settings\\SameShape"}));
  // Dealing from a deck, the rotation neither reads nor writes its counters.
  store.done.clear();
  store.texts = {{"RndFile", "1"}, {"Shuffle", "1"}, {"SmallestPart", "75"}};
  rotation.Load(store);
  EXPECT_TRUE(rotation.Deals());
  EXPECT_EQ(rotation.smallestPart, 75);
  EXPECT_EQ(SmallestPartIndex("33"), 0) << "no share the options offer: any size";
  EXPECT_EQ(std::ranges::count(store.done, "read Settings\\File"), 0);
}

// A value that is not text gives no style, the rest is read, and the error comes back once; a
// switch that is not text keeps its default (changes on battery too), for the rotation as well.
TEST(StoredOptionsTest, TheDialogReadsPastAValueThatIsNotTextAndHandsItsErrorBack) {
  FakeStore store;
  store.notText = "Display";
  TDialogOptions dialog;
  const auto unreadable = dialog.Load(store);
  ASSERT_TRUE(unreadable.has_value());
  EXPECT_EQ(unreadable->Message(), "Invalid data type for 'Display'");
  EXPECT_EQ(dialog.display, -1);
  EXPECT_EQ(store.done.size(), 14u);
  for (const char* name : {"OnBattery", "Subfolders", "RndFile"}) {
    FakeStore switches;
    switches.texts = {{"OnBattery", "0"}, {"Subfolders", "1"}, {"RndFile", "0"}};
    switches.notText = name;
    TDialogOptions options;
    EXPECT_TRUE(options.Load(switches).has_value()) << name;
    TRotationSettings rotation;
    rotation.Load(switches);
    EXPECT_EQ(std::tuple(options.onBattery, options.subfolders, rotation.subfolders, options.rndFile),
              std::tuple(name == std::string("OnBattery"), name != std::string("Subfolders"),
                         name != std::string("Subfolders"), name == std::string("RndFile")))
        << name;
  }
}

TEST(StoredOptionsTest, SavesWriteInTheirOrderAndTheDateOnlyWhenItIsAnotherDay) {
  FakeStore store;
  TDialogOptions{.rndFile = false, .display = -1, .changeWP = true, .allPictures = true, .smallestPart = 2}.Save(store);
  TRotationSettings::SaveCounters(store, 4, 1);
  EXPECT_EQ(store.done,
            (Steps{"write Settings\\RndFile=0", "write Settings\\Display=-1", "write Settings\\ChangeWP=1",
                   "write Settings\\PerMonitor=0", "write Settings\\AllPictures=1", "write Settings\\DesktopMenu=0",
                   "write Settings\\Subfolders=0", "write Settings\\Shuffle=0", "write Settings\\RunAtLogon=0",
                   "write Settings\\ResumeAfter=never", "write Settings\\SmallestPart=75",
                   "write Settings\\SameShape=0", "write Settings\\File=4", "write Settings\\Folder=1"}));

  store.done.clear();
  EXPECT_FALSE(TRotationSettings::ChangedAlready(store, "7.12.2026")) << "no date kept yet";
  EXPECT_TRUE(TRotationSettings::ChangedAlready(store, "7.12.2026"));
  EXPECT_FALSE(TRotationSettings::ChangedAlready(store, "8.12.2026"));
  EXPECT_EQ(store.done, (Steps{"read Settings\\Date", "write Settings\\Date=7.12.2026", "read Settings\\Date",
                               "read Settings\\Date", "write Settings\\Date=8.12.2026"}));
}

// The list's items by the minutes stored; what a hand or another version wrote is at log-on only.
TEST(StoredOptionsTest, TheIntervalIsStoredAsMinutesAndAnyOtherTextIsAtLogOnOnly) {
  for (const auto& [text, index] : {std::pair{"0", 0}, {"1", 1}, {"5", 2}, {"60", 6}, {"1440", 10}, {"2", 0}, {"", 0},
                                    {"10 ", 0}, {"-5", 0}, {"1440.0", 0}, {"abc", 0}}) {
    FakeStore store;
    store.texts["ChangeEvery"] = text;
    TDialogOptions dialog;
    dialog.Load(store);
    EXPECT_EQ(dialog.changeEvery, index) << '"' << text << '"';
    if (index > 0) {
      EXPECT_EQ(std::to_string(schedule::MinutesOfInterval(index)), text);
    }
  }
  EXPECT_EQ(schedule::MinutesOfInterval(11), 0);
}

// Degrees as typed with the user's separator or a point, north and east positive, within their
// limits; as stored, with a point; the stored choice read, off with the reason when it cannot be.
TEST(DayNightTest, CoordinatesAreReadInEitherSeparatorAndAStoredChoiceThatCannotBeReadIsOff) {
  for (const auto& [text, separator, degrees] : std::initializer_list<std::tuple<const char*, char, std::optional<double>>>{
           {"52,52", ',', 52.52}, {"52.52", ',', 52.52}, {" -33.87 ", '.', -33.87}, {"+51", '.', 51.0},
           {"90", '.', 90.0}, {"90.01", '.', std::nullopt}, {"52,52", '.', std::nullopt}, {"", '.', std::nullopt},
           {"north", '.', std::nullopt}, {"1e2", '.', std::nullopt}, {"--5", '.', std::nullopt}, {"nan", '.', std::nullopt}})
    EXPECT_EQ(ParseDegrees(text, separator, 90), degrees) << text;
  EXPECT_EQ(ParseDegrees("-180", '.', 180), -180.0);
  EXPECT_EQ(std::tuple(DegreesText(52.52), DegreesText(-0.0), DegreesText(13.4, ',')), std::tuple("52.52", "0", "13,4"));

  for (const auto& [source, latitude, longitude, chosen, why] :
       std::initializer_list<std::tuple<const char*, const char*, const char*, DayNightSource, const char*>>{
           {"sun", "52.52", "13.4", DayNightSource::kSun, ""},
           {"theme", "", "", DayNightSource::kTheme, ""},
           {"", "52.52", "13.4", DayNightSource::kOff, ""},
           {"sun", "95", "13.4", DayNightSource::kOff, "day and night are off: Latitude is \"95\""},
           {"sun", "52.52", "east", DayNightSource::kOff, "day and night are off: Longitude is \"east\""},
           {"moon", "52.52", "13.4", DayNightSource::kOff, "day and night are off: DayNight is \"moon\""}}) {
    std::string reason;
    const DayNightChoice choice = DayNightOfStored(source, latitude, longitude, reason);
    EXPECT_EQ(std::tuple(choice.source, reason), std::tuple(chosen, std::string(why))) << source << latitude << longitude;
  }
  EXPECT_EQ(SunLine(ClockTime{8, 5}, ClockTime{15, 12}, true), "Sunrise 08:05, sunset 15:12");
  EXPECT_EQ(SunLine(std::nullopt, std::nullopt, false), "The sun does not rise today");
  EXPECT_EQ(SunLine(std::nullopt, std::nullopt, true), "The sun does not set today");
}

// Folders marked by day or by night, one line each; lines the program does not read pass over, a
// file that is no text holds no choices; folders of no phase's fitting mean every folder counts.
TEST(DayNightTest, FoldersAreMarkedByPathAndEveryFolderCountsWhenNoneFitsThePhase) {
  const TFolderPhases phases("\xEF\xBB\xBF" "day C:\\Pictures\\Beach\r\nnight C:\\Pictures\\Stars\r\n"
                             "evening C:\\Pictures\\Sunset\r\njunk\r\nnight \r\n");
  using enum ShownWhen;
  EXPECT_EQ(std::tuple(phases.Of("c:/pictures/beach"), phases.Of("C:\\Pictures\\Stars"), phases.Of("C:\\Pictures\\Sunset")),
            std::tuple(kByDay, kByNight, kAnyTime));
  TFolderPhases changed = phases;
  changed.Set("C:\\Pictures\\Stars", kAnyTime);
  changed.Set("D:\\Moon", kByNight);
  EXPECT_EQ(TFolderPhases(changed.Text()).Of("D:\\Moon"), kByNight);
  EXPECT_EQ(TFolderPhases(changed.Text()).Of("C:\\Pictures\\Stars"), kAnyTime);
  EXPECT_FALSE(TFolderPhases(std::string("day C:\\A\r\n\0junk", 14)).AnyMarked()) << "no text";
  using schedule::Phase;
  EXPECT_EQ(EntriesOfPhase({kByDay, kAnyTime, kByNight}, Phase::kNight), (std::vector<std::size_t>{1, 2}));
  EXPECT_EQ(EntriesOfPhase({kByDay, kByDay}, Phase::kNight), (std::vector<std::size_t>{0, 1}));
}

// A pause ends by itself only as the user chose: an hour after it began, or on a later day; one
// whose beginning was written by hand ends unless it is never to end.
TEST(PauseTest, APauseEndsAsTheUserChoseAndSaysSinceWhen) {
  const platform::LocalTime now{2026, 12, 10, 0, 30};
  using enum ResumeAfter;
  for (const auto& [since, resumeAfter, ended] : std::initializer_list<std::tuple<const char*, ResumeAfter, bool>>{
           {"2026-12-09 23:31", kAnHour, false}, {"2026-12-09 23:30", kAnHour, true},
           {"2026-12-09 23:59", kTheNextDay, true}, {"2026-12-10 00:01", kTheNextDay, false},
           {"2025-01-01 00:00", kNever, false}, {"yesterday", kNever, false}, {"yesterday", kAnHour, true},
           {"2026-12-10 00:31", kAnHour, false}, {"2026-13-01 00:00", kTheNextDay, true}})
    EXPECT_EQ(PauseEnded(since, now, resumeAfter), ended) << since << " " << StoredTextOf(resumeAfter);
  EXPECT_EQ(std::tuple(ResumeAfterOfStored("hour"), ResumeAfterOfStored("day"), ResumeAfterOfStored("week")),
            std::tuple(kAnHour, kTheNextDay, kNever));
  EXPECT_EQ(PausedCaption("2026-12-10 00:02", now), "changes paused since 00:02");
  EXPECT_EQ(PausedCaption("2026-12-09 14:02", now), "changes paused since 2026-12-09 14:02");
  EXPECT_EQ(PausedCaption("14:02", now), "changes paused");
}

// Key names both ways, the extended block marked; typed by hand in any case and spacing; a key
// without a name by its number; no key, or neither Ctrl nor Alt, refused.
TEST(HotKeyTextTest, AHotKeyReadsBackAsWrittenAndNeedsCtrlOrAlt) {
  for (const auto& [hotKey, text] : std::initializer_list<std::pair<std::uint16_t, const char*>>{
           {0x064E, "Ctrl+Alt+N"}, {0x0775, "Ctrl+Shift+Alt+F6"}, {0x0C2E, "Alt+Delete"}, {0x026B, "Ctrl+Num +"},
           {0x0667, "Ctrl+Alt+Num 7"}, {0x06BA, "Ctrl+Alt+;"}, {0x06E9, "Ctrl+Alt+#233"}, {0, ""}}) {
    EXPECT_EQ(HotKeyText(hotKey), text);
    EXPECT_EQ(HotKeyOfText(text), hotKey) << text;
  }
  EXPECT_EQ(HotKeyOfText(" alt + SHIFT+ctrl + n "), 0x074E);
  for (const char* refused :
       {"Shift+N", "N", "Ctrl+Alt+", "Ctrl+Alt+Moon", "Ctrl+Alt+#0", "Ctrl+Alt+#256", "Ctrl+Win+N"})
    EXPECT_EQ(HotKeyOfText(refused), std::nullopt) << refused;
}

}  // namespace
}  // namespace settings
