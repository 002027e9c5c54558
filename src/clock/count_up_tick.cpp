// The count-up tick of either clock: it counts a run that counts up, and the overtime after
// zero. Each tick shows the elapsed time; once the overtime has lasted its set span the count
// stops (the floating clock also ends the run or, when cycling, starts it again), and a count
// that has lost its run stops. The floating clock also publishes the elapsed time in the run
// state, records the run and arms the run start again.
#include "clock/clock_needs.h"
#include "clock/clock_placement.h"
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
void stopCountUp(ClockNeeds& needs, FloatingClock& clock) {
  needs.run.record.bankedUpMs = needs.run.countedUpMs;
  clock.stopCountTimers();
  recordRun(needs, clock);
}

// The overtime's end: the run is recorded and taken down; then either the slide show ends
// (overtime counting) or the next round starts (cycling).
void finishOvertime(ClockNeeds& needs, FloatingClock& clock) {
  auto attempt = [&needs](auto&& statement) {
    horalix::attempt(needs.platform.log, kWhere, statement);
  };
  const bool cycling = needs.run.AfterZeroAction == AfterZero::Cycle;
  clock.countUpEverySecond();
  stopCountUp(needs, clock);
  attempt([&] { needs.runControl.hideInteraction(); });
  attempt([&] { needs.runControl.hideProcessBars(); });
  attempt([&] {
    if (!optionOn(needs.settings.optvalue,
                  cycling ? OptFlag::AfterZeroCycle : OptFlag::AfterZeroOvertime))
      return;
    closeToolWindows(needs, true);
    horalix::attempt(needs.platform.log, kWhere, [&] {
      const std::string& c = needs.settings.checkvalue;
      if (optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::EndSound)) {
        PlayMusic(needs.platform,
                  pathInProgramFolder(needs.platform, "sounds\\" + clock.SoundNames.at(5)));
      }
    });
    showTimeUpPrompt(needs);
  });
  if (cycling) {
    attempt([&] { RestoreClocks(needs.clocks); });
    attempt([&] { startNextRound(needs, clock); });
  } else {
    attempt([&] { needs.runControl.endSlideShow(); });
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

void FloatingClock::endOvertime() { finishOvertime(needs_, *this); }

// The count has lost its run: stopped, recorded and the run start armed, which finds no run and
// leaves the clock idle.
void FloatingClock::countUpLostRun() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, kWhere, statement);
  };
  attempt([&] { stopCountUp(needs_, *this); });
  attempt([&] { needs_.runControl.endRun(); });
  Timer5.setEnabled(true);
  attempt([&] { needs_.runControl.hideInteraction(); });
  attempt([&] { needs_.runControl.hideProcessBars(); });
}

}  // namespace horalix
