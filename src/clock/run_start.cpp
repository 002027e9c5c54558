// The clock window's run start, as far as the timing control relies on it so far: the menus of
// a counting or an idle run, the start mark of the count, and the count-down switched on when a
// run counts. Setting up the run's length, face and sounds is not done here yet.
#include "app/app.h"
#include "app/format_picture.h"
#include "app/time_value.h"
#include "clock/time_glass.h"
#include "main/clock_mark.h"
#include "main/run_state.h"
#include "main/tray_menu.h"

namespace horalix {

void TimeGlass::Timer5_Timer() {
  Timer5.setEnabled(false);
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  const bool counting = RunCounts(app_);
  SetRunStartMenus(app_, counting);
  if (const auto mark = ClockMark(app_, ClockMethod(app_))) app_.run.StartTick = *mark;
  Label16.setCaption(Format(TimeOf(app_.platform.loop.localTime()), "hh:mm:ss"));
  if (counting) {
    Timer1.setEnabled(true);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
  }
}

}  // namespace horalix
