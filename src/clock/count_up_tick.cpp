// The count-up tick of either clock: it counts a run that counts up, and the overtime after
// zero. Each tick shows the elapsed time; once the overtime has lasted its set span the count
// stops (the floating clock also ends the run or, when cycling, starts it again), and a count
// that has lost its run stops. The floating clock also publishes the elapsed time in the run
// state, records the run and arms the run start again.
#include "clock/clock.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/run_stop.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer4";

// Banks the count-up, stops the count and records the run.
void stopCountUp(const RunStop& stop, FloatingClock& clock) {
  stop.run.record.bankedUpMs = stop.run.countedUpMs;
  clock.stopCountTimers();
  recordRun(stop.platform, stop.runRecords, stop.run.record, clock);
}

// The overtime's end: the run is recorded and taken down; then either the slide show ends
// (overtime counting) or the next round starts (cycling).
void finishOvertime(const RunStop& stop, FloatingClock& clock) {
  auto attempt = [&stop](auto&& statement) {
    horalix::attempt(stop.platform.log, kWhere, statement);
  };
  const bool cycling = stop.run.AfterZeroAction == AfterZero::Cycle;
  clock.countUpEverySecond();
  stopCountUp(stop, clock);
  attempt([&] { stop.runControl.hideInteraction(); });
  attempt([&] { stop.runControl.hideProcessBars(); });
  attempt([&] {
    if (!optionOn(stop.settings.optvalue,
                  cycling ? OptFlag::AfterZeroCycle : OptFlag::AfterZeroOvertime))
      return;
    closeToolWindows(stop.platform.log, stop.toolWindows, stop.runControl, true);
    horalix::attempt(stop.platform.log, kWhere, [&] {
      const std::string& c = stop.settings.checkvalue;
      if (optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::EndSound)) {
        PlayMusic(stop.platform,
                  pathInProgramFolder(stop.platform, "sounds\\" + clock.SoundNames.at(5)));
      }
    });
    showTimeUpPrompt(stop.platform.log, stop.settings, stop.timeUpPrompt);
  });
  if (cycling) {
    attempt([&] { RestoreClocks(stop.clocks); });
    attempt([&] { startNextRound(stop.platform, stop.settings, stop.runControl, clock); });
  } else {
    attempt([&] { stop.runControl.endSlideShow(); });
  }
}

}  // namespace

// Whether the overtime has reached its end: the end is on (the zero reminder and a span above
// 0) and the elapsed whole seconds have come to the span. The first tick at or past it ends
// the overtime, also when no tick fell in the span's own second.
bool ClockWindow::overtimeOver(std::int32_t elapsed) {
  const AfterZero action = needs_.run.AfterZeroAction;
  if (action != AfterZero::Overtime && action != AfterZero::Cycle) return false;
  const std::string& c = needs_.settings.checkvalue;
  const std::int32_t span = needs_.settings.time_end;
  return optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::OvertimeLimit) &&
         span > 0 && elapsed / 1000 >= span;
}

void ClockWindow::Timer4_Timer() {
  const std::string at = where("Timer4");
  auto attempt = [&](auto&& statement) {
    horalix::attempt(needs_.platform.log, at.c_str(), statement);
  };
  needs_.run.direction = CountDirection::Up;
  beforeCountTick();
  Timer4.setInterval(200);
  attempt([&] { SetTopmost(needs_.run, *this); });
  const std::int32_t elapsed = remaintime("Timer4");
  publishCountUp(elapsed);
  countMillis_ = elapsed;
  attempt([&] { Label_change(); });
  needs_.platform.loop.doEvents();

  attempt([&] {
    if (overtimeOver(elapsed)) endOvertime();
  });
  if (!runBound(needs_.run)) countUpLostRun();
}

void FloatingClock::publishCountUp(std::int32_t elapsed) {
  needs_.run.countedUpMs = elapsed;
  needs_.run.shownMillis = elapsed;
}

void FloatingClock::endOvertime() { finishOvertime(runStopOf(needs_), *this); }

// The count has lost its run: stopped, recorded and the run start armed, which finds no run and
// leaves the clock idle.
void FloatingClock::countUpLostRun() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, kWhere, statement);
  };
  attempt([&] { stopCountUp(runStopOf(needs_), *this); });
  attempt([&] { needs_.runControl.endRun(); });
  Timer5.setEnabled(true);
  attempt([&] { needs_.runControl.hideInteraction(); });
  attempt([&] { needs_.runControl.hideProcessBars(); });
}

}  // namespace horalix
