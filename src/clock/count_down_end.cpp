// The end of the count-down at zero: the count stops, the stage sounds and the prompt bars stop,
// the count-down time is banked and the next segment's start is taken; then the after-zero
// action chosen at the run start runs: the overtime count, the stop, the cycle (the same timer
// or the next preset again), or the end of a count that has lost its run.
#include "bars/bars.h"
#include "clock/clock.h"
#include "clock/clock_needs.h"
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

void startOvertime(platform::Platform& platform, const SettingsBlock& settings,
                   InteractionMenu& interactionMenu, MirrorClock& mirrorClock, PromptBar& promptBar,
                   FloatingClock& clock) {
  auto attempt = [&platform](auto&& statement) {
    horalix::attempt(platform.log, kWhere, statement);
  };
  const std::string& c = settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  const bool zeroReminder = on(CheckFlag::TimedDuration) && on(CheckFlag::OvertimeLimit);
  attempt([&] {
    if (!zeroReminder) return;
    clock.armZeroReminder(on(CheckFlag::FlashOvertime));
    if (ReadSecondScreen(platform, interactionMenu) == 1)
      mirrorClock.armZeroReminder(on(CheckFlag::FlashOvertime));
  });
  attempt([&] {
    if (!zeroReminder || !on(CheckFlag::BarOvertime)) return;
    clock.alarmStage = AlarmStage::Zero;
    promptBar.requestStart();
  });
  attempt([&] {
    if (zeroReminder && on(CheckFlag::SoundOvertime)) {
      PlayMusic(platform, pathInProgramFolder(platform, "sounds\\" + clock.SoundNames.at(4)));
    }
  });
  clock.turnToCountUp();
  attempt([&] {
    if (ReadSecondScreen(platform, interactionMenu) != 1) return;
    mirrorClock.turnToCountUp();
  });
  attempt([&] { clock.applyOvertimeStyle(true); });
}

// The steps that the stop and the cycle share: the final text, the record, the count stopped
// and the interaction window parked.
void stopCount(const RunStop& stop, FloatingClock& clock) {
  clock.showFinalCount();
  recordRun(stop.platform, stop.runRecords, stop.run.record, clock);
  clock.stopCountTimers();
  horalix::attempt(stop.platform.log, kWhere, [&] { stop.runControl.hideInteraction(); });
}

// Tool windows closed and the time-up prompt, when the after-zero option `option` is on.
void closeAndPrompt(const RunStop& stop, OptFlag option) {
  if (!optionOn(stop.settings.checkvalue, CheckFlag::TimedDuration) ||
      !optionOn(stop.settings.optvalue, option))
    return;
  closeToolWindows(stop.platform.log, stop.toolWindows, stop.runControl, false);
  showTimeUpPrompt(stop.platform.log, stop.settings, stop.timeUpPrompt);
}

void stopRun(const RunStop& stop, FloatingClock& clock) {
  stopCount(stop, clock);
  horalix::attempt(stop.platform.log, kWhere,
                   [&] { closeAndPrompt(stop, OptFlag::AfterZeroStop); });
  horalix::attempt(stop.platform.log, kWhere, [&] { stop.runControl.endRun(); });
}

void cycleRun(const RunStop& stop, FloatingClock& clock) {
  stopCount(stop, clock);
  horalix::attempt(stop.platform.log, kWhere, [&] {
    const std::string& c = stop.settings.checkvalue;
    if (optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::ContinuousReminder) &&
        optionOn(c, CheckFlag::EndSound)) {
      PlayMusic(stop.platform,
                pathInProgramFolder(stop.platform, "sounds\\" + clock.SoundNames.at(5)));
    }
  });
  horalix::attempt(stop.platform.log, kWhere,
                   [&] { closeAndPrompt(stop, OptFlag::AfterZeroCycle); });
  horalix::attempt(stop.platform.log, kWhere, [&] { RestoreClocks(stop.clocks); });
  horalix::attempt(stop.platform.log, kWhere,
                   [&] { startNextRound(stop.platform, stop.settings, stop.runControl, clock); });
}

// A count whose binding was cleared: the run is recorded and ended, and the run start, armed
// again, finds no run and leaves the clock idle.
void endUnboundRun(const RunStop& stop, FloatingClock& clock) {
  recordRun(stop.platform, stop.runRecords, stop.run.record, clock);
  horalix::attempt(stop.platform.log, kWhere, [&] { stop.runControl.hideInteraction(); });
  clock.stopCountTimers();
  horalix::attempt(stop.platform.log, kWhere, [&] { stop.runControl.endRun(); });
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

  auto overtime = [this] {
    startOvertime(needs_.platform, needs_.settings, needs_.interactionMenu, needs_.mirrorClock,
                  needs_.promptBar, *this);
  };
  switch (needs_.run.AfterZeroAction) {
    case AfterZero::Overtime:
      overtime();
      break;
    case AfterZero::Stop:
      stopRun(runStopOf(needs_), *this);
      break;
    case AfterZero::Cycle: {
      const std::string& c = needs_.settings.checkvalue;
      if (needs_.settings.time_end > 0 && optionOn(c, CheckFlag::TimedDuration) &&
          optionOn(c, CheckFlag::OvertimeLimit)) {
        overtime();
      } else {
        cycleRun(runStopOf(needs_), *this);
      }
      break;
    }
    default:
      endUnboundRun(runStopOf(needs_), *this);
      break;
  }
}

}  // namespace horalix
