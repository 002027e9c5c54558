// The clock window's run start: a one-shot pass that takes the run's length, stages, format and
// after-zero action from the settings record, styles, lays out and draws the face, takes the
// start mark of the count and either starts the count (a run is bound) or leaves the clock idle,
// with the tray menu to match. Every statement is attempted on its own: one that fails is passed
// over and the pass goes on.
#include <algorithm>
#include <exception>

#include "app/app.h"
#include "app/attempt.h"
#include "app/format_picture.h"
#include "app/palette.h"
#include "app/picture_size.h"
#include "app/setting_readers.h"
#include "app/sound_playback.h"
#include "app/text_runtime.h"
#include "app/time_conversions.h"
#include "app/time_value.h"
#include "app/window_utilities.h"
#include "clock/display_format.h"
#include "clock/time_glass.h"
#include "clock/time_glass_two.h"
#include "main/clock_mark.h"
#include "main/clock_placement.h"
#include "main/end_of_run.h"
#include "main/frm_exit.h"
#include "main/run_state.h"
#include "main/tray_menu.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer5";

}  // namespace

void TimeGlass::Timer5_Timer() {
  App& app = app_;
  SettingsBlock& settings = app.settings;
  FrmExit& main = app.frmExit();
  auto attempt = [&app](auto&& statement) { Attempt(app, kWhere, statement); };

  beginRunStart();
  attempt([&] { HideProcessBars(app); });

  SoundNames = Split(settings.tellsoundname, "\\");
  attempt([&] { MirrorSizeAdd = ReadHotkeyAdd(app); });
  Label8.setCaption("0");
  resetStages();

  const double t = settings.Time_all;
  int hours = 0, minutes = 0, seconds = 0;
  attempt([&] {
    hours = Hour(t);
    minutes = Minute(t);
    seconds = Second(t);
    settings.Time_all = TimeOfDayValue(hours, minutes, seconds);
  });
  app.run.RunSeconds = hours * 3600 + minutes * 60 + seconds;
  app.run.RunMillis = app.run.RunSeconds * 1000;
  AlarmOneSeconds = settings.Time_one;
  AlarmTwoSeconds = settings.Time_two;
  Label10.setCaption(CStr(app.run.RunMillis));
  for (int i = 1; i <= 3; ++i) main.Label4(i).setCaption("0");

  const int format = startFormat();
  Image1.setVisible(false);

  const bool countDown = startCountsDown();
  setFirstTexts(format, countDown, hours, minutes, seconds);

  int size = 0;
  attempt([&] { size = wantedSize(); });
  styleFace(size, countDown);

  if (CaptionStartsWith(main.menu_two(1), "显示")) {
    Label2.setCaption("3");
    Label3.setCaption("0");
  } else {
    Label2.setCaption("1");
    Label3.setCaption("1");
  }
  Label4.setCaption("0");

  drawFirstFace(Label11.Caption(), size);
  takeRunValues();
  app.timeGlassTwo().Timer5.setEnabled(true);

  const bool counting = RunCounts(app);
  if (counting) {
    const int side = Picture1.Height();
    Image1.move(0, 0, side, side);
    Image1.setPicture(Image2(1).Picture());
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    attempt([&] {
      if (OptionOn(settings.checkvalue, 23) && main.Label7.Caption() == "0" &&
          !SoundNames.empty()) {
        PlayMusic(app, app.pathInProgramFolder("sounds\\" + SoundNames.front()));
      }
    });
  } else {
    Image1.setPicture(Image2(0).Picture());
  }
  attempt([&] { SetRunStartMenus(app, counting); });
  if (Label15.Caption() == "1") {
    attempt([&] { RestoreClocks(app); });
    Label15.setCaption("0");
  }
  Label13.setCaption("0");
}

}  // namespace horalix
