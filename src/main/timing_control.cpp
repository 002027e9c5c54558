#include "main/timing_control.h"

#include "clock/clock.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "services/attempt.h"
#include "services/clock_mark.h"
#include "services/context.h"
#include "services/extended_screen.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

// The count timer of the running direction: Timer1 counts down, Timer4 counts up.
void switchCount(Context& context, bool on) {
  const bool down = context.run.direction == CountDirection::Down;
  context.floatingClock().switchCount(down, on);
  if (ReadSecondScreen(context.platform, context.ports()) == 1) context.mirrorClock().switchCount(down, on);
}

}  // namespace

void StartTiming(Context& context) {
  MainWindow& main = context.mainWindow();
  if (!main.startOffered()) return;
  main.delform();
  context.run.direction = CountDirection::Down;
  context.run.binding.bound = RunState::Binding::kManual;
  main.restWatches();
  startRunRecord(context, context.run.binding.bound);
  captureScreenSize(context.platform, context.run);
  context.floatingClock().armRunStart();
}

void PauseResume(Context& context) {
  if (!runBound(context.run) || !optionOn(context.settings.checkvalue, CheckFlag::PauseAllowed))
    return;
  context.run.startSoundArmed = false;
  // Bank the total of the last tick; the time since that tick is not banked.
  attempt(context.platform.log, "PauseResume", [&] {
    if (context.run.direction == CountDirection::Up) {
      context.run.record.bankedUpMs = context.run.countedUpMs;
    } else {
      context.run.record.bankedDownMs = context.run.countedDownMs;
      context.run.record.bankedUpMs = 0;
    }
  });
  const ClockMethod method = readClockMethod(context.run);
  const auto now = clockMark(context.platform, method);
  attempt(context.platform.log, "PauseResume", [&] {
    if (context.run.paused && now) {
      const auto span = clockSpan(method, context.run.StartTick, *now);
      context.run.record.pausedMs += static_cast<double>(span);
    }
  });
  if (now) context.run.StartTick = *now;
  // Both clocks measure the new segment from now: with the time-of-day method each reads the
  // segment's start from its own Label16.
  attempt(context.platform.log, "PauseResume", [&] {
    const std::string now = Format(timeOf(context.platform.loop.localTime()), "hh:mm:ss");
    context.floatingClock().setSegmentStart(now);
    context.mirrorClock().setSegmentStart(now);
  });
  attempt(context.platform.log, "PauseResume", [&] {
    setPaused(context, !context.run.paused);
    switchCount(context, !context.run.paused);
  });
}

void StopTiming(Context& context) {
  MainWindow& main = context.mainWindow();
  if (!main.stopOffered()) return;
  // A paused run is resumed first, so that its pause is recorded.
  if (context.run.paused) PauseResume(context);
  attempt(context.platform.log, "StopTiming", [&] { main.showRunStopped(); });
  attempt(context.platform.log, "StopTiming", [&] { main.releaseRunItems(); });
  context.run.binding.bound.clear();
  attempt(context.platform.log, "StopTiming", [&] { main.delform(); });
  attempt(context.platform.log, "StopTiming", [&] { RestoreClocks(context); });
  main.resumeDocumentWatch();
}

void resumeTiming(Context& context, bool unbindDocument) {
  FloatingClock& clock = context.floatingClock();
  MainWindow& main = context.mainWindow();
  if (ReadAImode(context.platform, context.settings)) {
    context.run.startSoundArmed = false;
    main.resumeDocumentWatch();
    clock.armRunStart();
    return;
  }
  main.returnToDocumentWatch();
  resetRunRecord(context);
  clock.stopBlink();
  context.mirrorClock().stopBlink();
  if (unbindDocument && !context.run.binding.manualRun()) context.run.binding.bound.clear();
  clock.armRunStart();
}

}  // namespace horalix
