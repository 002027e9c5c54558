// The clock window's run start: a one-shot pass that takes the run's length, stages, format and
// after-zero action from the settings record, styles, lays out and draws the face, takes the
// start mark of the count and either starts the count (a run is bound) or leaves the clock idle,
// with the tray menu to match. Every statement is attempted on its own: one that fails is passed
// over and the pass goes on.
#include <algorithm>
#include <exception>

#include "clock/clock.h"
#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/display_format.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/picture_size.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/setting_readers.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr const char* kWhere = "time_glass.Timer5";

}  // namespace

void FloatingClock::Timer5_Timer() {
  ClockNeeds& needs = needs_;
  SettingsBlock& settings = needs.settings;
  auto attempt = [&needs](auto&& statement) {
    horalix::attempt(needs.platform.log, kWhere, statement);
  };

  beginRunStart();
  attempt([&] { needs.runControl.hideProcessBars(); });

  SoundNames = Split(settings.tellsoundname, "\\");
  attempt([&] { MirrorSizeAdd = ReadHotkeyAdd(needs.platform); });
  stageFlashes = false;
  resetStages();

  const double t = settings.Time_all;
  int hours = 0, minutes = 0, seconds = 0;
  attempt([&] {
    hours = Hour(t);
    minutes = Minute(t);
    seconds = Second(t);
    settings.Time_all = timeOfDayValue(hours, minutes, seconds);
  });
  needs.run.RunSeconds = hours * 3600 + minutes * 60 + seconds;
  needs.run.RunMillis = needs.run.RunSeconds * 1000;
  AlarmOneSeconds = settings.Time_one;
  AlarmTwoSeconds = settings.Time_two;
  shownGuardMillis = needs.run.RunMillis;
  needs.run.clearBanked();

  const int format = startFormat();
  Image1.setVisible(false);

  const bool countDown = startCountsDown();
  setFirstTexts(format, countDown, hours, minutes, seconds);

  int size = 0;
  attempt([&] { size = wantedSize(); });
  styleFace(size, countDown);

  if (needs.run.clocksHidden) {
    sequencerStep = SequencerStep::Settle;
    faceShown = false;
  } else {
    sequencerStep = SequencerStep::Place;
    faceShown = true;
  }
  reminderPending = false;

  drawFirstFace(faceText(), size);
  takeRunValues();
  needs.mirrorClock.armRunStart();

  const bool counting = runCounts(needs.run, needs.settings);
  if (counting) {
    const int side = Picture1.Height();
    Image1.move(0, 0, side, side);
    Image1.setPicture(Image2(1).Picture());
    Timer1.setEnabled(true);
    Timer2.setEnabled(true);
    Timer3.setEnabled(false);
    Timer4.setEnabled(false);
    attempt([&] {
      if (optionOn(settings.checkvalue, CheckFlag::SoundStart) && needs.run.startSoundArmed &&
          !SoundNames.empty()) {
        PlayMusic(needs.platform,
                  pathInProgramFolder(needs.platform, "sounds\\" + SoundNames.front()));
      }
    });
  } else {
    Image1.setPicture(Image2(0).Picture());
  }
  attempt([&] { needs.runMenus.runStarted(counting); });
  if (restoreAtNextStart) {
    attempt([&] { RestoreClocks(needs.clocks); });
    restoreAtNextStart = false;
  }
  keyboardSwitched = false;
}

}  // namespace horalix
