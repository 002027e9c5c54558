#include "main/timing_control.h"

#include "clock/clock.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/tray_menu.h"
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
  auto pick = [down](auto& clock) -> platform::Timer& {
    return down ? clock.Timer1 : clock.Timer4;
  };
  pick(context.floatingClock()).setEnabled(on);
  if (ReadSecondScreen(context.platform, context.ports()) == 1)
    pick(context.mirrorClock()).setEnabled(on);
}

}  // namespace

void StartTiming(Context& context) {
  MainWindow& main = context.mainWindow();
  if (!main.menu_one(1).Enabled()) return;
  main.delform();
  context.run.direction = CountDirection::Down;
  context.run.binding.bound = RunState::Binding::kManual;
  main.Timer4.setEnabled(false);
  main.Timer5.setEnabled(false);
  startRunRecord(context, context.run.binding.bound);
  captureScreenSize(context.platform, context.run);
  context.floatingClock().Timer5.setEnabled(true);
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
    context.floatingClock().Label16.setCaption(now);
    context.mirrorClock().Label16.setCaption(now);
  });
  attempt(context.platform.log, "PauseResume", [&] {
    setPaused(context, !context.run.paused);
    switchCount(context, !context.run.paused);
  });
}

void StopTiming(Context& context) {
  MainWindow& main = context.mainWindow();
  if (!main.menu_one(3).Enabled()) return;
  // A paused run is resumed first, so that its pause is recorded.
  if (context.run.paused) PauseResume(context);
  attempt(context.platform.log, "StopTiming", [&] {
    main.menu_one(1).setEnabled(true);
    main.menu_one(2).setEnabled(false);
    main.menu_one(2).setVisible(optionOn(context.settings.checkvalue, CheckFlag::PauseAllowed));
    setPaused(context, false);
    main.menu_one(3).setEnabled(false);
    main.menu_two(1).setEnabled(true);
  });
  attempt(context.platform.log, "StopTiming", [&] { releaseRunMenus(context); });
  context.run.binding.bound.clear();
  attempt(context.platform.log, "StopTiming", [&] { main.delform(); });
  attempt(context.platform.log, "StopTiming", [&] { RestoreClocks(context); });
  main.Timer4.setEnabled(true);
}

void resumeTiming(Context& context, bool unbindDocument) {
  FloatingClock& clock = context.floatingClock();
  MainWindow& main = context.mainWindow();
  if (ReadAImode(context.platform, context.settings)) {
    context.run.startSoundArmed = false;
    main.Timer4.setEnabled(true);
    clock.Timer5.setEnabled(true);
    return;
  }
  main.Timer4.setEnabled(true);
  main.Timer5.setEnabled(false);
  resetRunRecord(context);
  clock.Timer3.setEnabled(false);
  context.mirrorClock().Timer3.setEnabled(false);
  if (unbindDocument && !context.run.binding.manualRun()) context.run.binding.bound.clear();
  clock.Timer5.setEnabled(true);
}

}  // namespace horalix
