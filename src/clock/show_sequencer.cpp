// The show-and-place sequencer of either clock: it brings the parked clock to its saved place
// and draws it, hands a reminder over to the count (and, on the floating clock, to the blink
// with its counters armed), and parks the clock again after the reminder when the clocks are
// meant to stay hidden. One state runs per tick: 1 place, 2 shown, 3 settle, 4 park, 5 parked,
// 6 reminder.
#include <algorithm>

#include "clock/clock_needs.h"
#include "clock/clock_placement.h"
#include "clock/floating_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/text_runtime.h"

namespace horalix {

void ClockWindow::Timer2_Timer() {
  const std::string at = where("Timer2");
  auto draw = [this] { redraw(); };
  switch (sequencerStep) {
    case SequencerStep::Place:
      attempt(needs_.platform.log, at.c_str(), [&] { placeAtSavedPosition(); });
      sequencerStep = SequencerStep::Shown;
      attempt(needs_.platform.log, at.c_str(), draw);
      break;
    case SequencerStep::Shown:
      sequencerStep = SequencerStep::Settle;
      draw();
      if (reminderPending) sequencerStep = SequencerStep::Reminder;
      break;
    case SequencerStep::Settle:
      reminderPending = false;
      Timer2.setEnabled(false);
      Picture1.setVisible(true);
      Picture2.setVisible(true);
      draw();
      break;
    case SequencerStep::Park:
      park();
      sequencerStep = SequencerStep::Parked;
      stageFlashes = false;
      break;
    case SequencerStep::Parked:
      sequencerStep = SequencerStep::Settle;
      stageFlashes = false;
      break;
    case SequencerStep::Reminder:
      sequencerStep = SequencerStep::Park;
      needs_.platform.loop.doEvents();
      handOverToBlink();
      break;
    case SequencerStep::Idle:
      break;
  }
  needs_.platform.loop.doEvents();
}

// The saved place, pulled inside the primary screen: a place beyond the right edge becomes the
// right edge less 100 twips, one above or below the screen the top edge.
void FloatingClock::placeAtSavedPosition() {
  const SavedPosition at = readSavedPosition(needs_.platform, "clockleft", "clocktop");
  const int width = needs_.run.BackPictureOn ? Width() : Label9.Width();
  const int maxLeft =
      needs_.run.ScreenWidthPx * needs_.platform.desktop.twipsPerPixelX() - width - 100;
  int left = at.left >= 0 && maxLeft > at.left ? at.left : maxLeft;
  if (left < 0) left = 0;
  const int screenHeight = needs_.run.ScreenHeightPx * needs_.platform.desktop.twipsPerPixelY();
  const int top = at.top >= 0 && screenHeight > at.top ? at.top : 0;
  move(left, top, Width(), Height());
}

void ClockWindow::handOverToCount() {
  const bool down = needs_.run.shownMillis > 1000 && alarmStage < AlarmStage::Zero;
  Timer1.setEnabled(down);
  Timer4.setEnabled(!down);
  Timer2.setEnabled(false);
  Timer3.setEnabled(true);
}

void ClockWindow::handOverToBlink() { handOverToCount(); }

// The blink counters are numbers of 450 ms half-periods.
void FloatingClock::handOverToBlink() {
  handOverToCount();
  const std::string& c = needs_.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  const std::int32_t T = needs_.settings.tellShowtime;
  auto& count = needs_.run.BlinkCount;
  auto& hold = needs_.run.BlinkHold;
  auto armPlain = [&](int k) {
    count = on(CheckFlag::TimedDuration) && on(stageSwitch(k)) && on(stageFlash(k)) ? 2 * T : 0;
    hold = 2 * T;
  };
  // The third alarm and the zero reminder last at most their span, or all of it with the
  // continuous reminder on.
  auto armSpan = [&](int k, std::int32_t span, bool flashWholeSpan) {
    if (!(on(CheckFlag::TimedDuration) && on(stageSwitch(k)))) return;
    const std::int32_t shortSpan = std::min(T, span);
    hold = 2 * (on(CheckFlag::ContinuousReminder) ? span : shortSpan);
    if (!on(stageFlash(k))) {
      count = 0;
    } else {
      count = 2 * (on(CheckFlag::ContinuousReminder) && flashWholeSpan ? span : shortSpan);
    }
  };
  switch (alarmStage) {
    case AlarmStage::None:
    case AlarmStage::Alarm1:
    case AlarmStage::Alarm2:
      armPlain(static_cast<int>(alarmStage));
      break;
    case AlarmStage::Alarm3:
      armSpan(3, needs_.settings.Time_three, true);
      break;
    case AlarmStage::Zero:
      armSpan(4, needs_.settings.time_end, false);
      break;
    case AlarmStage::Reserved5:
    case AlarmStage::Reserved6:
    case AlarmStage::SettingsApplied:
      break;
  }
}

}  // namespace horalix
