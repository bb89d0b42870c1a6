// The "Day and night" dialog, opened from the options and from the Actions menu: what says
// whether it is day or night (nothing, the sun where the user is, or Windows' light and dark
// mode), the place in decimal degrees, and today's sunrise and sunset there as the user types.
#pragma once

#include "settings/DayNight.h"
#include "ui/Button.h"
#include "ui/Edit.h"
#include "ui/Form.h"
#include "ui/Label.h"
#include "ui/RadioButton.h"

namespace settings {

class TDayNightDialog : public ui::TForm {
 public:
  TDayNightDialog();

  ui::TLabel SourceL;
  ui::TRadioButton OffRB;
  ui::TRadioButton SunRB;
  ui::TRadioButton ThemeRB;
  ui::TLabel LatitudeL;
  ui::TEdit LatitudeE;
  ui::TLabel LongitudeL;
  ui::TEdit LongitudeE;
  ui::TLabel SunL;
  ui::TLabel HintL;
  ui::TButton OKB;
  ui::TButton CancelB;

  // Shows the stored choice, a place as it was stored, readable or not.
  void FormActivate();
  // Refuses a place that cannot be read with a box naming the field, and stores nothing; else
  // stores the choice, the task waits for the next sunrise or sunset (or no longer), and closes.
  void OKBClick();
  // The place's fields take input only with the sun chosen; its sunrise and sunset shown.
  void SourceChanged();
  // Today's sunrise and sunset at the place typed, in local time; empty until it can be read.
  void ShowSun();

 private:
  // The choice the controls show; none, with a box, when the place cannot be read.
  std::optional<DayNightChoice> Chosen() const;
};

}  // namespace settings
