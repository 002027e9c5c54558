// The count-down tick of either clock: it measures the run, shows the count, starts the reminder
// stages (flash, prompt bar and, on the floating clock, sound) and ends the count when less
// than a second remains. It ticks every 200 ms, and once 1000 ms after a stage so that the next
// tick falls in the following second. The floating clock also publishes the elapsed and
// remaining time in the run state and redraws at every tick; the mirror's face is redrawn by
// the floating clock's text update.
#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/program_folder.h"
#include "services/runtime_error.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/window_utilities.h"

namespace horalix {

void ClockWindow::Timer1_Timer() {
  const std::string at = where("Timer1");
  auto attempt = [&](auto&& statement) {
    horalix::attempt(needs_.platform.log, at.c_str(), statement);
  };
  std::int32_t e = 0;
  std::int32_t r = 0;
  needs_.run.direction = CountDirection::Down;
  beforeCountTick();
  Timer1.setInterval(200);
  attempt([&] { SetTopmost(needs_.run, *this); });
  e = remaintime("Timer1");
  attempt([&] {
    const std::int64_t left = std::int64_t{needs_.run.RunSeconds} * 1000 + 400 - e;
    if (left != static_cast<std::int32_t>(left)) throw RuntimeError(RuntimeErrorCode::Overflow);
    r = static_cast<std::int32_t>(left);
  });
  publishCountDown(e, r);
  if (r > 0) {
    attempt([&] { countMillis_ = optionOn(needs_.settings.optvalue, OptFlag::CountDown) ? r : e; });
    Timer1.setEnabled(true);
    countDownShown();
  }
  if (!runBound(needs_.run)) {
    r = 0;
    needs_.run.AfterZeroAction = AfterZero::NoRunBound;
  }
  if (Int(r / 1000.0) <= 0) {
    endCountDown();
  } else {
    const std::int32_t u = static_cast<std::int32_t>(Int((r + 100) / 1000.0));
    if (const int k = dueStage(u)) attempt([&] { runStage(k); });
    if (!Timer3.Enabled()) {
      Picture1.setVisible(true);
      Picture2.setVisible(true);
    }
  }
  afterCountDownTick();
}

// The stage whose second the count has reached. A stage fires in the second it names, or at the
// first tick after it when that second got no tick (a busy machine), and once a run only. A stage
// at the set length or above never fires; a stage at the second of an earlier one is the same
// stage.
int ClockWindow::dueStage(std::int32_t u) {
  if (u == needs_.run.RunSeconds) return 0;
  const std::int32_t seconds[] = {AlarmOneSeconds, AlarmTwoSeconds, needs_.settings.Time_three};
  for (int k = 1; k <= 3; ++k) {
    const std::int32_t at = seconds[k - 1];
    if ((firedStages_ & (1U << k)) != 0 || u > at || at >= needs_.run.RunSeconds) continue;
    for (int j = k; j <= 3; ++j) {
      if (seconds[j - 1] == at) firedStages_ |= 1U << j;
    }
    return k;
  }
  return 0;
}

void ClockWindow::runStage(int k) {
  const std::string& c = needs_.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  const std::string at = where("Timer1");
  Timer1.setInterval(1000);
  if (k == 3) view_ = FaceView::Count;
  const bool stageOn = on(CheckFlag::TimedDuration) && on(stageSwitch(k));
  horalix::attempt(needs_.platform.log, at.c_str(), [&] {
    if (!stageOn) return;
    if (on(stageFlash(k))) stageFlashes = true;
    alarmStage = static_cast<AlarmStage>(k);
    sequencerStep = SequencerStep::Place;
    reminderPending = true;
    Timer2.setEnabled(true);
  });
  horalix::attempt(needs_.platform.log, at.c_str(), [&] {
    if (!stageOn || !on(stageBar(k))) return;
    alarmStage = static_cast<AlarmStage>(k);
    promptBar().requestStart();
  });
  stageSound(k, stageOn);
}

void FloatingClock::beforeCountTick() {
  horalix::attempt(needs_.platform.log, "time_glass.Timer7", [&] {
    if (Image1.Visible()) Timer7.setEnabled(true);
  });
}

void FloatingClock::publishCountDown(std::int32_t e, std::int32_t& r) {
  needs_.run.countedDownMs = e;
  needs_.run.shownMillis = r;
  // The time left never rises by more than 400 ms: after such a jump (a change of clock method)
  // the clock holds what it showed until the measure has come back down.
  horalix::attempt(needs_.platform.log, "time_glass.Timer1", [&] {
    if (shownGuardMillis + 400 < r) {
      r = shownGuardMillis - 200;
    } else {
      shownGuardMillis = r;
    }
  });
}

void FloatingClock::countDownShown() {
  horalix::attempt(needs_.platform.log, "time_glass.Timer1", [&] { Label_change(); });
}

void FloatingClock::stageSound(int k, bool stageOn) {
  const std::string& c = needs_.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  horalix::attempt(needs_.platform.log, "time_glass.Timer1", [&] {
    if (!stageOn || !on(horalix::stageSound(k))) return;
    auto sound = [this](int entry) {
      return pathInProgramFolder(needs_.platform, "sounds\\" + SoundNames.at(entry));
    };
    StopMusic(needs_.platform, sound(k - 1));
    if (k == 3 && on(CheckFlag::ContinuousReminder)) {
      WavPlayLoop(needs_.platform, sound(k));
    } else {
      PlayMusic(needs_.platform, sound(k));
    }
  });
}

void FloatingClock::afterCountDownTick() {
  if (!keyboardSwitched) {
    keyboardSwitched = true;
    horalix::attempt(needs_.platform.log, "time_glass.Timer1",
                     [&] { UseEnglishKeyboard(needs_.platform); });
  }
}

}  // namespace horalix
