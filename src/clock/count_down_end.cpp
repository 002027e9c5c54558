// The end of the count-down at zero: the count stops, the stage sounds and the prompt bars stop,
// the count-down time is banked and the next segment's start is taken; then the after-zero
// action chosen at the run start runs: the overtime count, the stop, the cycle (the same timer
// or the next preset again), or the end of a count that has lost its run.
#include "bars/bars.h"
#include "clock/display_format.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "clock/run_stop.h"
#include "main/main.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/run_cells.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer1";

void startOvertime(Context& app, FloatingClock& clock) {
  auto attempt = [&app](auto&& statement) { horalix::attempt(app, kWhere, statement); };
  const std::string& c = app.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  const bool zeroReminder = on(CheckFlag::TimedDuration) && on(CheckFlag::OvertimeLimit);
  attempt([&] {
    if (!zeroReminder) return;
    clock.armZeroReminder(on(CheckFlag::FlashOvertime));
    if (ReadSecondScreen(app) == 1) app.mirrorClock().armZeroReminder(on(CheckFlag::FlashOvertime));
  });
  attempt([&] {
    if (!zeroReminder || !on(CheckFlag::BarOvertime)) return;
    writeAlarmStage(clock.Label5, AlarmStage::Zero);
    app.promptBar().Timer3.setEnabled(true);
  });
  attempt([&] {
    if (zeroReminder && on(CheckFlag::SoundOvertime)) {
      PlayMusic(app, app.pathInProgramFolder("sounds\\" + clock.SoundNames.at(4)));
    }
  });
  clock.Timer1.setEnabled(false);
  clock.Timer4.setEnabled(true);
  attempt([&] {
    if (ReadSecondScreen(app) != 1) return;
    app.mirrorClock().Timer1.setEnabled(false);
    app.mirrorClock().Timer4.setEnabled(true);
  });
  attempt([&] { clock.applyOvertimeStyle(true); });
}

// The steps that the stop and the cycle share: the final text, the record, the count stopped
// and the interaction window parked.
void stopCount(Context& app, FloatingClock& clock) {
  auto attempt = [&app](auto&& statement) { horalix::attempt(app, kWhere, statement); };
  clock.showFinalCount();
  recordRun(app, clock);
  clock.stopCountTimers();
  attempt([&] { HideInteraction(app); });
}

// Tool windows closed and the time-up prompt, when the after-zero option `option` is on.
void closeAndPrompt(Context& app, OptFlag option) {
  if (!optionOn(app.settings.checkvalue, CheckFlag::TimedDuration) ||
      !optionOn(app.settings.optvalue, option))
    return;
  closeToolWindows(app, false);
  showTimeUpPrompt(app);
}

void stopRun(Context& app, FloatingClock& clock) {
  stopCount(app, clock);
  horalix::attempt(app, kWhere, [&] { closeAndPrompt(app, OptFlag::AfterZeroStop); });
  horalix::attempt(app, kWhere, [&] { EndTiming(app); });
}

void cycleRun(Context& app, FloatingClock& clock) {
  stopCount(app, clock);
  horalix::attempt(app, kWhere, [&] {
    const std::string& c = app.settings.checkvalue;
    if (optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::ContinuousReminder) &&
        optionOn(c, CheckFlag::EndSound)) {
      PlayMusic(app, app.pathInProgramFolder("sounds\\" + clock.SoundNames.at(5)));
    }
  });
  horalix::attempt(app, kWhere, [&] { closeAndPrompt(app, OptFlag::AfterZeroCycle); });
  horalix::attempt(app, kWhere, [&] { RestoreClocks(app); });
  horalix::attempt(app, kWhere, [&] { startNextRound(app, clock); });
}

// A count whose binding was cleared: the run is recorded and ended, and the run start, armed
// again, finds no run and leaves the clock idle.
void endUnboundRun(Context& app, FloatingClock& clock) {
  recordRun(app, clock);
  horalix::attempt(app, kWhere, [&] { HideInteraction(app); });
  clock.stopCountTimers();
  horalix::attempt(app, kWhere, [&] { EndTiming(app); });
  clock.Timer5.setEnabled(true);
}

}  // namespace

void FloatingClock::endCountDown() {
  MainWindow& main = app_.mainWindow();
  auto attempt = [this](auto&& statement) { horalix::attempt(app_, kWhere, statement); };
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  app_.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);
  attempt([&] {
    if (!optionOn(app_.settings.checkvalue, CheckFlag::TimedDuration)) return;
    for (int entry = 0; entry <= 4; ++entry) {
      horalix::attempt(app_, kWhere, [&] {
        StopMusic(app_, app_.pathInProgramFolder("sounds\\" + SoundNames.at(entry)));
      });
    }
  });
  attempt([&] { HideProcessBars(app_); });
  main.Label4(1).setCaption(CStr(Val(main.Label5(1).Caption())));
  takeSegmentStart();

  switch (app_.run.AfterZeroAction) {
    case 0:
      startOvertime(app_, *this);
      break;
    case 1:
      stopRun(app_, *this);
      break;
    case 2: {
      const std::string& c = app_.settings.checkvalue;
      if (app_.settings.time_end > 0 && optionOn(c, CheckFlag::TimedDuration) &&
          optionOn(c, CheckFlag::OvertimeLimit)) {
        startOvertime(app_, *this);
      } else {
        cycleRun(app_, *this);
      }
      break;
    }
    default:
      endUnboundRun(app_, *this);
      break;
  }
}

}  // namespace horalix
