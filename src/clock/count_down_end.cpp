// The end of the count-down at zero: the count stops, the stage sounds and the prompt bars stop,
// the count-down time is banked and the next segment's start is taken; then the after-zero
// action chosen at the run start runs: the overtime count, the stop, the cycle (the same timer
// or the next preset again), or the end of a count that has lost its run.
#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/clock_placement.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "clock/run_stop.h"
#include "services/attempt.h"
#include "services/display_format.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer1";

void startOvertime(ClockNeeds& needs, FloatingClock& clock) {
  auto attempt = [&needs](auto&& statement) {
    horalix::attempt(needs.platform.log, kWhere, statement);
  };
  const std::string& c = needs.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  const bool zeroReminder = on(CheckFlag::TimedDuration) && on(CheckFlag::OvertimeLimit);
  attempt([&] {
    if (!zeroReminder) return;
    clock.armZeroReminder(on(CheckFlag::FlashOvertime));
    if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 1)
      needs.mirrorClock.armZeroReminder(on(CheckFlag::FlashOvertime));
  });
  attempt([&] {
    if (!zeroReminder || !on(CheckFlag::BarOvertime)) return;
    clock.alarmStage = AlarmStage::Zero;
    needs.promptBar.requestStart();
  });
  attempt([&] {
    if (zeroReminder && on(CheckFlag::SoundOvertime)) {
      PlayMusic(needs.platform,
                pathInProgramFolder(needs.platform, "sounds\\" + clock.SoundNames.at(4)));
    }
  });
  clock.turnToCountUp();
  attempt([&] {
    if (ReadSecondScreen(needs.platform, needs.interactionMenu) != 1) return;
    needs.mirrorClock.turnToCountUp();
  });
  attempt([&] { clock.applyOvertimeStyle(true); });
}

// The steps that the stop and the cycle share: the final text, the record, the count stopped
// and the interaction window parked.
void stopCount(ClockNeeds& needs, FloatingClock& clock) {
  auto attempt = [&needs](auto&& statement) {
    horalix::attempt(needs.platform.log, kWhere, statement);
  };
  clock.showFinalCount();
  recordRun(needs, clock);
  clock.stopCountTimers();
  attempt([&] { needs.runControl.hideInteraction(); });
}

// Tool windows closed and the time-up prompt, when the after-zero option `option` is on.
void closeAndPrompt(ClockNeeds& needs, OptFlag option) {
  if (!optionOn(needs.settings.checkvalue, CheckFlag::TimedDuration) ||
      !optionOn(needs.settings.optvalue, option))
    return;
  closeToolWindows(needs, false);
  showTimeUpPrompt(needs);
}

void stopRun(ClockNeeds& needs, FloatingClock& clock) {
  stopCount(needs, clock);
  horalix::attempt(needs.platform.log, kWhere,
                   [&] { closeAndPrompt(needs, OptFlag::AfterZeroStop); });
  horalix::attempt(needs.platform.log, kWhere, [&] { needs.runControl.endRun(); });
}

void cycleRun(ClockNeeds& needs, FloatingClock& clock) {
  stopCount(needs, clock);
  horalix::attempt(needs.platform.log, kWhere, [&] {
    const std::string& c = needs.settings.checkvalue;
    if (optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::ContinuousReminder) &&
        optionOn(c, CheckFlag::EndSound)) {
      PlayMusic(needs.platform,
                pathInProgramFolder(needs.platform, "sounds\\" + clock.SoundNames.at(5)));
    }
  });
  horalix::attempt(needs.platform.log, kWhere,
                   [&] { closeAndPrompt(needs, OptFlag::AfterZeroCycle); });
  horalix::attempt(needs.platform.log, kWhere, [&] { RestoreClocks(needs.clocks); });
  horalix::attempt(needs.platform.log, kWhere, [&] { startNextRound(needs, clock); });
}

// A count whose binding was cleared: the run is recorded and ended, and the run start, armed
// again, finds no run and leaves the clock idle.
void endUnboundRun(ClockNeeds& needs, FloatingClock& clock) {
  recordRun(needs, clock);
  horalix::attempt(needs.platform.log, kWhere, [&] { needs.runControl.hideInteraction(); });
  clock.stopCountTimers();
  horalix::attempt(needs.platform.log, kWhere, [&] { needs.runControl.endRun(); });
  clock.armRunStart();
}

}  // namespace

void FloatingClock::endCountDown() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, kWhere, statement);
  };
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  needs_.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);
  attempt([&] {
    if (!optionOn(needs_.settings.checkvalue, CheckFlag::TimedDuration)) return;
    for (int entry = 0; entry <= 4; ++entry) {
      horalix::attempt(needs_.platform.log, kWhere, [&] {
        StopMusic(needs_.platform,
                  pathInProgramFolder(needs_.platform, "sounds\\" + SoundNames.at(entry)));
      });
    }
  });
  attempt([&] { needs_.runControl.hideProcessBars(); });
  needs_.run.record.bankedDownMs = needs_.run.countedDownMs;
  takeSegmentStart();

  switch (needs_.run.AfterZeroAction) {
    case AfterZero::Overtime:
      startOvertime(needs_, *this);
      break;
    case AfterZero::Stop:
      stopRun(needs_, *this);
      break;
    case AfterZero::Cycle: {
      const std::string& c = needs_.settings.checkvalue;
      if (needs_.settings.time_end > 0 && optionOn(c, CheckFlag::TimedDuration) &&
          optionOn(c, CheckFlag::OvertimeLimit)) {
        startOvertime(needs_, *this);
      } else {
        cycleRun(needs_, *this);
      }
      break;
    }
    default:
      endUnboundRun(needs_, *this);
      break;
  }
}

}  // namespace horalix
