#include "settings/DayNightD.h"

#include "platform/Clock.h"
#include "platform/Exceptions.h"
#include "settings/DayNightStore.h"
#include "settings/SettingsStore.h"
#include "settings/StoredOptions.h"
#include "settings/TimerRegistration.h"
#include "ui/MessageBoxes.h"

namespace settings {
namespace {

constexpr int kOkButtonId = 100;  // not IDOK: Enter presses OK only while it has the focus
constexpr double kLatitudeLimit = 90, kLongitudeLimit = 180;

std::optional<ClockTime> LocalClock(const std::optional<schedule::UtcSeconds>& moment) {
  if (!moment) return std::nullopt;
  const platform::LocalTime time = platform::LocalTimeOf(*moment);
  return ClockTime{time.hour, time.minute};
}

// Today, the user's date.
std::int64_t Today() {
  const platform::LocalTime now = platform::LocalTimeOf(platform::UtcNow());
  return schedule::DaysSince1970(now.year, now.month, now.day);
}

}  // namespace

TDayNightDialog::TDayNightDialog()
    : TForm({.name = "DayNightDialog",
             .caption = "Day and night",
             .borderStyle = ui::TBorderStyle::bsToolWindow,
             .bounds = ui::Design(250, 190, 360, 252),
             .clientSize = true,
             .font = ui::ComicSansFont(8)}),
      SourceL("SourceL", *this, 8, 8, "Day and night from:"),
      OffRB("OffRB", *this, ui::Design(8, 26, 340, 17), "O&ff", true),
      SunRB("SunRB", *this, ui::Design(8, 46, 340, 17), "The &sun where I am", false),
      ThemeRB("ThemeRB", *this, ui::Design(8, 66, 340, 17), "Windows' &light and dark mode", false),
      LatitudeL("LatitudeL", *this, 24, 96, "L&atitude:"),
      LatitudeE("LatitudeE", *this, ui::Design(112, 92, 90, 21)),
      LongitudeL("LongitudeL", *this, 24, 124, "L&ongitude:"),
      LongitudeE("LongitudeE", *this, ui::Design(112, 120, 90, 21)),
      SunL("SunL", *this, 24, 150, ""),
      HintL("HintL", *this, 24, 172, "Degrees, north and east positive; any map shows them."),
      OKB("OKB", *this, ui::Design(94, 216, 75, 25), "&OK", kOkButtonId),
      CancelB("CancelB", *this, ui::Design(190, 216, 75, 25), "&Cancel", IDCANCEL) {
  LatitudeL.SetFocusControl(LatitudeE);
  LongitudeL.SetFocusControl(LongitudeE);
  LatitudeE.SetAccessibleName("Latitude");
  LongitudeE.SetAccessibleName("Longitude");
  ui::SetTabOrder({&OffRB, &SunRB, &ThemeRB, &LatitudeE, &LongitudeE, &OKB, &CancelB});
  OnActivate = [this] { FormActivate(); };
  for (ui::TRadioButton* source : {&OffRB, &SunRB, &ThemeRB}) source->OnClick = [this] { SourceChanged(); };
  LatitudeE.OnChange = [this] { ShowSun(); };
  LongitudeE.OnChange = [this] { ShowSun(); };
  OKB.OnClick = [this] { OKBClick(); };
  CancelB.OnClick = [this] { Close(); };
}

void TDayNightDialog::FormActivate() {
  platform::RegistryStore store = OpenSettingsStore();
  const auto text = [&](const char* name) { return store.ReadText(stored::kSection, name).value_or(""); };
  std::string why;
  const DayNightChoice choice = DayNightOfStored(text(stored::kDayNight), "0", "0", why);
  const std::string source = text(stored::kDayNight);
  OffRB.SetChecked(choice.source == DayNightSource::kOff && source != "sun");
  SunRB.SetChecked(source == "sun");
  ThemeRB.SetChecked(choice.source == DayNightSource::kTheme);
  const char separator = platform::DecimalSeparator();
  for (auto [edit, name, limit] : {std::tuple{&LatitudeE, stored::kLatitude, kLatitudeLimit},
                                   {&LongitudeE, stored::kLongitude, kLongitudeLimit}}) {
    const std::string storedText = text(name);
    const std::optional<double> degrees = ParseDegrees(storedText, '.', limit);
    edit->SetText(degrees ? DegreesText(*degrees, separator) : storedText);
  }
  SourceChanged();
  SetActiveControl(OffRB.Checked() ? OffRB : SunRB.Checked() ? SunRB : ThemeRB);
}

std::optional<DayNightChoice> TDayNightDialog::Chosen() const {
  if (!SunRB.Checked()) return DayNightChoice{ThemeRB.Checked() ? DayNightSource::kTheme : DayNightSource::kOff, {}};
  const char separator = platform::DecimalSeparator();
  const std::optional<double> latitude = ParseDegrees(LatitudeE.Text(), separator, kLatitudeLimit);
  const std::optional<double> longitude = ParseDegrees(LongitudeE.Text(), separator, kLongitudeLimit);
  if (!latitude || !longitude) return std::nullopt;
  return DayNightChoice{DayNightSource::kSun, {*latitude, *longitude}};
}

void TDayNightDialog::SourceChanged() {
  for (ui::TEdit* place : {&LatitudeE, &LongitudeE}) place->SetEnabled(SunRB.Checked());
  ShowSun();
}

void TDayNightDialog::ShowSun() {
  const std::optional<DayNightChoice> choice = Chosen();
  if (!choice || choice->source != DayNightSource::kSun) {
    SunL.SetCaption("");
    return;
  }
  const schedule::SunDay day = schedule::SunOn(Today(), choice->place);
  SunL.SetCaption(SunLine(LocalClock(day.sunrise), LocalClock(day.sunset), day.upAtNoon));
}

void TDayNightDialog::OKBClick() {
  const std::optional<DayNightChoice> choice = Chosen();
  if (!choice) {
    const bool latitude = !ParseDegrees(LatitudeE.Text(), platform::DecimalSeparator(), kLatitudeLimit);
    ui::MessageDlg(latitude ? "The latitude must be a number of degrees from -90 (south) to 90 (north)."
                            : "The longitude must be a number of degrees from -180 (west) to 180 (east).",
                   ui::TMsgDlgType::mtError, ui::TMsgDlgButtons::mbOK);
    ::SetFocus((latitude ? LatitudeE : LongitudeE).Handle());
    return;
  }
  StoreDayNight(*choice);
  FollowTheSun();
  Close();
}

}  // namespace settings
