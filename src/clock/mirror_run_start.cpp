// The mirror clock's run start: a one-shot pass, armed by the floating clock's run start (and
// once by the mirror's load), that parks the extended screen's prompt bar, rebuilds the
// mirror's face from the settings record as the floating clock's run start does, enlarged by
// the mirror's font offset, and takes the run's shared values again, so that both clocks
// measure the run from this moment. With the extended screen in use and a run bound it starts
// the mirror's count-down tick; otherwise the mirror is parked far off screen. Every statement
// is attempted on its own.
#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/setting_readers.h"
#include "services/time_value.h"

namespace horalix {

void MirrorClock::Timer5_Timer() {
  ClockNeeds& needs = needs_;
  const SettingsBlock& settings = needs.settings;
  auto attempt = [&needs](auto&& statement) {
    horalix::attempt(needs.platform.log, "time_glasstwo.Timer5", statement);
  };

  beginRunStart();
  // The extended screen's prompt bar is parked centred above the extended screen; its
  // keep-on-top run goes on.
  attempt([&] { needs.secondPromptBar.parkKeepingOnTop(2000); });
  attempt([&] { MirrorFontAdd = ReadHotkeyAdd(needs.platform); });
  stageFlashes = false;
  resetStages();
  AlarmOneSeconds = settings.Time_one;
  AlarmTwoSeconds = settings.Time_two;

  const int format = startFormat();
  const bool countDown = startCountsDown();
  int hours = 0, minutes = 0, seconds = 0;
  attempt([&] {
    hours = Hour(settings.Time_all);
    minutes = Minute(settings.Time_all);
    seconds = Second(settings.Time_all);
  });
  setFirstTexts(format, countDown, hours, minutes, seconds);

  int size = 0;
  attempt([&] { size = static_cast<std::int16_t>(mirrorSize()); });
  styleFace(size, countDown);

  sequencerStep = SequencerStep::Place;
  faceShown = true;
  reminderPending = false;
  // The face shows the floating clock's text.
  drawFirstFace(needs.floatingClock.faceText(), size);
  takeRunValues();

  if (ReadSecondScreen(needs.platform, needs.interactionMenu) == 0) {
    parkOffScreen();
    return;
  }
  if (runCounts(needs.run, needs.settings)) {
    Timer1.setEnabled(true);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
  }
}

}  // namespace horalix
