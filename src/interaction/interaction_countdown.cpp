// The interaction countdown: the start of a preset, the measured elapsed time, the tick with its
// reminder phase, the blink, the time-up, pause/continue and close. Elapsed time is always the
// banked time plus now minus the mark of the running segment, never a count of ticks.
#include <algorithm>
#include <cmath>
#include <exception>
#include <limits>
#include <optional>

#include "interaction/interaction_needs.h"
#include "interaction/interaction_presets.h"
#include "interaction/interaction_window.h"
#include "services/attempt.h"
#include "services/clock_mark.h"
#include "services/format_picture.h"
#include "services/ports.h"
#include "services/program_folder.h"
#include "services/program_values.h"
#include "services/runtime_error.h"
#include "services/sound_playback.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"
#include "services/window_utilities.h"

namespace horalix {

namespace {

constexpr const char* kStartWhere = "Frm_hudong.Timer3";
constexpr const char* kTimeUp = "时间到";
constexpr std::uint32_t kTimeUpColour = 255;  // red

std::int32_t to32(std::int64_t v) {
  if (v < std::numeric_limits<std::int32_t>::min() || v > std::numeric_limits<std::int32_t>::max())
    throw RuntimeError(RuntimeErrorCode::Overflow);
  return static_cast<std::int32_t>(v);
}

// "5:30", "0:45", "12:00": minutes without a leading zero, seconds with two digits.
std::string minutesAndSeconds(int minutes, int seconds) {
  return std::to_string(minutes) + ":" + (seconds < 10 ? "0" : "") + std::to_string(seconds);
}

// A display selection whose size (field 2) is missing or not a 16-bit number would fail every
// time the remaining time is drawn; such a preset is shown with the start's default display.
bool sizeUsable(const std::string& selection) {
  const std::vector<std::string> fields = Split(selection, "\\");
  if (fields.size() < 2 || !IsNumeric(fields[1])) return false;
  try {
    CInt(fields[1]);
    return true;
  } catch (const std::exception&) {
    return false;
  }
}

}  // namespace

// One shot, 100 ms after the preset command; each step goes on after a failing one.
void InteractionWindow::Timer3_Timer() {
  auto attempt = [this](auto&& step) { horalix::attempt(needs_.platform.log, kStartWhere, step); };
  Timer3.setEnabled(false);
  attempt([&] {
    needs_.run.holdOff = 0;
    SetTopmost(needs_.run, *this);
  });
  blinkBlank_ = false;
  Picture4.setVisible(true);

  int minutes = 0, seconds = 0;
  attempt([&] {
    const double duration = TimeValue("00:" + presetDuration);
    minutes = Minute(duration);
    seconds = Second(duration);
  });
  HudongMillis = (minutes * 60 + seconds) * 1000;

  if (!sizeUsable(displaySelection)) displaySelection = kStartFontselect;
  const std::vector<std::string> fields = Split(displaySelection, "\\");
  blinked_ = false;
  setShownText(minutesAndSeconds(minutes, seconds));
  timeUp_ = false;

  applyDisplaySelection(fields);
  attempt([&] { needs_.platform.loop.doEvents(); });
  attempt([&] { ShowStatue(shownText, displaySize()); });

  if (flagOn(InteractionFlag::AutoStart)) {
    attempt([&] { takeStartMark(); });
    Timer1.setEnabled(true);
    attempt([&] { setPaused(false); });
  }
  attempt([&] { placeCentred(); });
}

// The running segment starts now, by the clock method in force; the time of day too, for the
// method that counts whole seconds of it.
void InteractionWindow::takeStartMark() {
  if (const auto mark = clockMark(needs_.platform, readClockMethod(needs_.run)))
    HudongStartTick = *mark;
  segmentStartTime_ = Format(timeOf(needs_.platform.loop.localTime()), "hh:mm:ss");
}

std::int32_t InteractionWindow::remaintime(const std::string& Timername) {
  if (Timername != "Timer1") return 0;
  Timer1.setInterval(200);
  const ClockMethod method = readClockMethod(needs_.run);
  std::int32_t elapsed = 0;
  try {
    if (const auto sum = elapsedByMethod(needs_.platform, method, HudongStartTick,
                                         segmentStartTime_, bankedMillis))
      elapsed = to32(static_cast<std::int64_t>(std::floor(*sum)));
    return elapsed;
  } catch (const std::exception& e) {
    needs_.platform.log(std::string("Frm_hudong.remaintime: ") + e.what());
  }
  // The next method for the whole program, from the main window's next refresh on.
  horalix::attempt(needs_.platform.log, "Frm_hudong.remaintime", [&] {
    const int number = static_cast<int>(method);
    if (number < 2) programValues(needs_.platform).writeNumber("clockmode", number + 1);
  });
  return 0;
}

void InteractionWindow::Timer1_Timer() {
  Timer1.setEnabled(false);
  Timer1.setInterval(200);
  SetTopmost(needs_.run, *this);
  const std::int32_t elapsed = remaintime("Timer1");
  // Half a second added: the whole seconds below are the time left to the nearest second.
  const std::int32_t remaining = to32(std::int64_t{HudongMillis} + 500 - elapsed);
  elapsedMillis = elapsed;
  if (remaining > 0) {
    remainingMillis_ = remaining;
    Timer1.setEnabled(true);
    showremaintime();
  }
  const auto secs = static_cast<std::int64_t>(std::floor(remaining / 1000.0));
  const bool blinks = flagOn(InteractionFlag::ReminderBlink);
  if (reminderSeconds_ < secs) {
    Timer2.setEnabled(false);
  } else if (reminderSeconds_ == secs) {
    // The reminder second runs once: the next tick comes a whole second later.
    Timer1.setInterval(1000);
    if (flagOn(InteractionFlag::ReminderSound)) PlayMusic(needs_.platform, soundPath());
    if (blinks) Timer2.setEnabled(true);
  } else if (secs <= 0) {
    blinked_ = false;
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Picture4.setVisible(false);
    Timer4.setEnabled(true);
    return;
  } else if (blinks) {
    Timer2.setEnabled(true);
  }
  if (!Timer2.Enabled()) Picture4.setVisible(true);
}

void InteractionWindow::showremaintime() {
  const auto s = static_cast<std::int32_t>(std::floor(remainingMillis_ / 1000.0));
  const double t = SecondsToTime(s);
  const std::string text = minutesAndSeconds(Minute(t), Second(t));
  setShownText(text);
  timeUp_ = false;
  ShowStatue(text, displaySize());
}

void InteractionWindow::Timer2_Timer() {
  blinked_ = true;
  blinkBlank_ = !blinkBlank_;
  Picture4.setVisible(!blinkBlank_);
}

// One shot, 100 ms after zero: "时间到" in red, centred, with the preset's sound.
void InteractionWindow::Timer4_Timer() {
  auto attempt = [this](auto&& step) {
    horalix::attempt(needs_.platform.log, "Frm_hudong.Timer4", step);
  };
  Timer4.setEnabled(false);
  Picture4.setVisible(false);
  attempt([&] { SetTopmost(needs_.run, *this); });
  blinkBlank_ = false;
  attempt([&] {
    Picture4.setForeColor(kTimeUpColour);
    changcolor(kTimeUpColour);
  });
  int size = 0;
  attempt([&] {
    setShownText(kTimeUp);
    timeUp_ = true;
    platform::FontSpec font = textMeasure.Font();
    font.size = std::min(font.size, 320.0);
    textMeasure.setFont(font);
    size = CInt(font.size);
  });
  attempt([&] { ShowStatue(kTimeUp, size); });
  attempt([&] { placeCentred(); });
  Picture4.setVisible(true);
  attempt([&] {
    if (!soundFile.empty()) PlayMusic(needs_.platform, soundPath());
  });
}

// Time since the last tick is not counted: the banked time is the elapsed time of that tick.
void InteractionWindow::pauseOrContinue() {
  bankedMillis = elapsedMillis;
  if (!needs_.run.interactionPaused) {
    setPaused(true);
    Timer1.setEnabled(false);
    Timer2.setEnabled(false);
    Picture4.setVisible(true);
  } else if (!timeUp_) {
    setPaused(false);
    takeStartMark();
    Timer1.setEnabled(true);
    if (blinked_) Timer2.setEnabled(true);
  }
}

bool InteractionWindow::counting() const { return Timer1.Enabled(); }

bool InteractionWindow::showsCountdown() const { return Len(presetDuration) >= 3; }

void InteractionWindow::startPreset(const std::string& duration, std::int16_t n) {
  bankedMillis = 0;
  elapsedMillis = 0;
  presetDuration = duration;
  setPaused(false);
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  stopSound();
  const InteractionPreset preset =
      readInteractionPresetForStart({needs_.platform.files, iniPath(needs_.platform)}, n);
  reminderSeconds_ = Val(preset.Ttime);
  displaySelection = preset.Fontselect;
  soundFile = preset.soundname;
  optionFlags_ = preset.checkvalue;
  Timer3.setEnabled(true);
}

void InteractionWindow::stopSound() { StopMusic(needs_.platform, soundPath()); }

void InteractionWindow::stopAndPark() {
  setTop(-50000);
  setLeft(-Width() - 60000);
  Timer1.setEnabled(false);
  Timer2.setEnabled(false);
  stopSound();
}

void InteractionWindow::setPaused(bool paused) { needs_.interactionMenu.showPaused(paused); }

void InteractionWindow::closeCountdown() {
  presetDuration.clear();
  move(-screenWidthTwips() - 10000, -screenHeightTwips() - 20000, Width(), Height());
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  platform::FontSpec font = textMeasure.Font();
  font.size = 80;
  textMeasure.setFont(font);
  StopMusic(needs_.platform, soundPath());
}

}  // namespace horalix
