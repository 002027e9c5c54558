// The end of the count-down at zero, for now a plain stop: the count stops, the stage sounds and
// the prompt bars stop, the count-down time is banked, the clock shows the final text and the run
// ends. A count whose binding was cleared ends the run and re-arms the run start, which finds no
// run and leaves the clock idle. The run is not recorded yet and no time-up prompt shows.
#include "app/app.h"
#include "app/format_picture.h"
#include "app/sound_playback.h"
#include "app/text_runtime.h"
#include "app/time_value.h"
#include "bars/frm_process.h"
#include "clock/display_format.h"
#include "clock/time_glass.h"
#include "main/attempt.h"
#include "main/clock_mark.h"
#include "main/end_of_run.h"
#include "main/frm_exit.h"
#include "main/run_state.h"

namespace horalix {

void TimeGlass::endCountDown() {
  FrmExit& main = app_.frmExit();
  auto attempt = [this](auto&& statement) { Attempt(app_, "time_glass.Timer1", statement); };
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  app_.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);
  attempt([&] {
    if (!OptionOn(app_.settings.checkvalue, 1)) return;
    for (int entry = 0; entry <= 4; ++entry) {
      Attempt(app_, "time_glass.Timer1", [&] {
        StopMusic(app_, app_.pathInProgramFolder("sounds\\" + SoundNames.at(entry)));
      });
    }
  });
  attempt([&] { HideProcessBars(app_); });
  main.Label4(1).setCaption(CStr(Val(main.Label5(1).Caption())));
  if (const auto mark = ClockMark(app_, ClockMethod(app_))) app_.run.StartTick = *mark;
  Label16.setCaption(Format(TimeOf(app_.platform.loop.localTime()), "hh:mm:ss"));

  const bool bound = app_.run.AfterZeroAction == 0 || app_.run.AfterZeroAction == 1 ||
                     app_.run.AfterZeroAction == 2;
  if (bound) {
    // The final text: zero left, or the whole set length when the clock shows the time spent.
    attempt([&] {
      const std::int32_t shown = OptionOn(app_.settings.optvalue, 1) ? 0 : app_.run.RunMillis;
      Label1(1).setCaption(ClockText(shown));
    });
    attempt([&] { Label_change(); });
  }
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  attempt([&] { HideInteraction(app_); });
  attempt([&] { EndTiming(app_); });
  if (!bound) Timer5.setEnabled(true);
}

}  // namespace horalix
