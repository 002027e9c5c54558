// The end of the count-down at zero: the count stops, the stage sounds and the prompt bars stop,
// the count-down time is banked and the next segment's start is taken; then the after-zero
// action chosen at the run start runs: the overtime count, the stop, the cycle (the same timer
// or the next preset again), or the end of a count that has lost its run.
#include "bars/bars.h"
#include "clock/clock_placement.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "clock/run_stop.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/display_format.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer1";

void startOvertime(Context& context, FloatingClock& clock) {
  auto attempt = [&context](auto&& statement) {
    horalix::attempt(context.platform.log, kWhere, statement);
  };
  const std::string& c = context.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  const bool zeroReminder = on(CheckFlag::TimedDuration) && on(CheckFlag::OvertimeLimit);
  attempt([&] {
    if (!zeroReminder) return;
    clock.armZeroReminder(on(CheckFlag::FlashOvertime));
    if (ReadSecondScreen(context.platform, context.ports()) == 1)
      context.mirrorClock().armZeroReminder(on(CheckFlag::FlashOvertime));
  });
  attempt([&] {
    if (!zeroReminder || !on(CheckFlag::BarOvertime)) return;
    clock.alarmStage = AlarmStage::Zero;
    context.promptBar().requestStart();
  });
  attempt([&] {
    if (zeroReminder && on(CheckFlag::SoundOvertime)) {
      PlayMusic(context.platform, context.pathInProgramFolder("sounds\\" + clock.SoundNames.at(4)));
    }
  });
  clock.turnToCountUp();
  attempt([&] {
    if (ReadSecondScreen(context.platform, context.ports()) != 1) return;
    context.mirrorClock().turnToCountUp();
  });
  attempt([&] { clock.applyOvertimeStyle(true); });
}

// The steps that the stop and the cycle share: the final text, the record, the count stopped
// and the interaction window parked.
void stopCount(Context& context, FloatingClock& clock) {
  auto attempt = [&context](auto&& statement) {
    horalix::attempt(context.platform.log, kWhere, statement);
  };
  clock.showFinalCount();
  recordRun(context, clock);
  clock.stopCountTimers();
  attempt([&] { context.ports().runControl().hideInteraction(); });
}

// Tool windows closed and the time-up prompt, when the after-zero option `option` is on.
void closeAndPrompt(Context& context, OptFlag option) {
  if (!optionOn(context.settings.checkvalue, CheckFlag::TimedDuration) ||
      !optionOn(context.settings.optvalue, option))
    return;
  closeToolWindows(context, false);
  showTimeUpPrompt(context);
}

void stopRun(Context& context, FloatingClock& clock) {
  stopCount(context, clock);
  horalix::attempt(context.platform.log, kWhere,
                   [&] { closeAndPrompt(context, OptFlag::AfterZeroStop); });
  horalix::attempt(context.platform.log, kWhere, [&] { context.ports().runControl().endRun(); });
}

void cycleRun(Context& context, FloatingClock& clock) {
  stopCount(context, clock);
  horalix::attempt(context.platform.log, kWhere, [&] {
    const std::string& c = context.settings.checkvalue;
    if (optionOn(c, CheckFlag::TimedDuration) && optionOn(c, CheckFlag::ContinuousReminder) &&
        optionOn(c, CheckFlag::EndSound)) {
      PlayMusic(context.platform, context.pathInProgramFolder("sounds\\" + clock.SoundNames.at(5)));
    }
  });
  horalix::attempt(context.platform.log, kWhere,
                   [&] { closeAndPrompt(context, OptFlag::AfterZeroCycle); });
  horalix::attempt(context.platform.log, kWhere, [&] { RestoreClocks(context); });
  horalix::attempt(context.platform.log, kWhere, [&] { startNextRound(context, clock); });
}

// A count whose binding was cleared: the run is recorded and ended, and the run start, armed
// again, finds no run and leaves the clock idle.
void endUnboundRun(Context& context, FloatingClock& clock) {
  recordRun(context, clock);
  horalix::attempt(context.platform.log, kWhere,
                   [&] { context.ports().runControl().hideInteraction(); });
  clock.stopCountTimers();
  horalix::attempt(context.platform.log, kWhere, [&] { context.ports().runControl().endRun(); });
  clock.armRunStart();
}

}  // namespace

void FloatingClock::endCountDown() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(context_.platform.log, kWhere, statement);
  };
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  context_.run.BlinkCount = 0;
  Picture1.setVisible(true);
  Picture2.setVisible(true);
  attempt([&] {
    if (!optionOn(context_.settings.checkvalue, CheckFlag::TimedDuration)) return;
    for (int entry = 0; entry <= 4; ++entry) {
      horalix::attempt(context_.platform.log, kWhere, [&] {
        StopMusic(context_.platform,
                  context_.pathInProgramFolder("sounds\\" + SoundNames.at(entry)));
      });
    }
  });
  attempt([&] { context_.ports().runControl().hideProcessBars(); });
  context_.run.record.bankedDownMs = context_.run.countedDownMs;
  takeSegmentStart();

  switch (context_.run.AfterZeroAction) {
    case 0:
      startOvertime(context_, *this);
      break;
    case 1:
      stopRun(context_, *this);
      break;
    case 2: {
      const std::string& c = context_.settings.checkvalue;
      if (context_.settings.time_end > 0 && optionOn(c, CheckFlag::TimedDuration) &&
          optionOn(c, CheckFlag::OvertimeLimit)) {
        startOvertime(context_, *this);
      } else {
        cycleRun(context_, *this);
      }
      break;
    }
    default:
      endUnboundRun(context_, *this);
      break;
  }
}

}  // namespace horalix
