#include "main/timing_control.h"

#include "clock/clock.h"
#include "main/main.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "services/attempt.h"
#include "services/clock_mark.h"
#include "services/extended_screen.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

// The count timer of the running direction: Timer1 counts down, Timer4 counts up.
void switchCount(MainNeeds& needs, bool on) {
  const bool down = needs.run.direction == CountDirection::Down;
  needs.floatingClock.switchCount(down, on);
  if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 1)
    needs.mirrorClock.switchCount(down, on);
}

}  // namespace

void StartTiming(MainNeeds& needs) {
  MainWindow& main = needs.mainWindow;
  if (!needs.run.offers.start.enabled) return;
  main.delform();
  needs.run.direction = CountDirection::Down;
  needs.run.binding.bindManual();
  main.restWatches();
  startRunRecord(needs.run, needs.platform.loop, recordSetTime(needs.settings),
                 needs.run.binding.text());
  captureScreenSize(needs.platform, needs.run);
  needs.floatingClock.armRunStart();
}

void PauseResume(MainNeeds& needs) {
  if (!runBound(needs.run) || !optionOn(needs.settings.checkvalue, CheckFlag::PauseAllowed)) return;
  needs.run.startSoundArmed = false;
  // Bank the total of the last tick; the time since that tick is not banked.
  attempt(needs.platform.log, "PauseResume", [&] {
    if (needs.run.direction == CountDirection::Up) {
      needs.run.record.bankedUpMs = needs.run.countedUpMs;
    } else {
      needs.run.record.bankedDownMs = needs.run.countedDownMs;
      needs.run.record.bankedUpMs = 0;
    }
  });
  const ClockMethod method = readClockMethod(needs.run);
  const auto now = clockMark(needs.platform, method);
  attempt(needs.platform.log, "PauseResume", [&] {
    if (needs.run.paused && now) {
      const auto span = clockSpan(method, needs.run.StartTick, *now);
      needs.run.record.pausedMs += static_cast<double>(span);
    }
  });
  if (now) needs.run.StartTick = *now;
  // Both clocks measure the new segment from now: with the time-of-day method each keeps the
  // segment's start as its own time of day.
  attempt(needs.platform.log, "PauseResume", [&] {
    const std::string now = Format(timeOf(needs.platform.loop.localTime()), "hh:mm:ss");
    needs.floatingClock.setSegmentStart(now);
    needs.mirrorClock.setSegmentStart(now);
  });
  attempt(needs.platform.log, "PauseResume", [&] {
    setPaused(needs.run, needs.mainWindow, !needs.run.paused);
    switchCount(needs, !needs.run.paused);
  });
}

void StopTiming(MainNeeds& needs) {
  MainWindow& main = needs.mainWindow;
  if (!needs.run.offers.stop.enabled) return;
  // A paused run is resumed first, so that its pause is recorded.
  if (needs.run.paused) PauseResume(needs);
  attempt(needs.platform.log, "StopTiming", [&] { main.showRunStopped(); });
  attempt(needs.platform.log, "StopTiming", [&] { main.releaseRunItems(); });
  needs.run.binding.unbind();
  attempt(needs.platform.log, "StopTiming", [&] { main.delform(); });
  attempt(needs.platform.log, "StopTiming", [&] { RestoreClocks(needs.clocks); });
  main.resumeDocumentWatch();
}

void resumeTiming(const ClockPair& clocks, MainWindow& mainWindow, bool unbindDocument) {
  FloatingClock& clock = clocks.floatingClock;
  RunState& run = clocks.run;
  if (ReadAImode(clocks.platform, clocks.settings)) {
    run.startSoundArmed = false;
    mainWindow.resumeDocumentWatch();
    clock.armRunStart();
    return;
  }
  mainWindow.returnToDocumentWatch();
  resetRunRecord(run, clocks.platform.loop, clocks.settings);
  clock.stopBlink();
  clocks.mirrorClock.stopBlink();
  if (unbindDocument && !run.binding.manualRun()) run.binding.unbind();
  clock.armRunStart();
}

}  // namespace horalix
