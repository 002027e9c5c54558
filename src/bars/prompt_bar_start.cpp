// The prompt bar's one-shot start: another window sets the floating clock's reminder stage
// and enables Timer3; 100 ms later the bar takes its look, its display time and its first
// caption, goes to its stored place and starts its text update and keep-on-top run.
#include "bars/bar_position.h"
#include "bars/bars_needs.h"
#include "bars/prompt_bar.h"
#include "bars/prompt_bar_text.h"
#include "services/attempt.h"
#include "services/extended_screen.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"

namespace horalix {

void PromptBar::startTick() {
  const SettingsBlock& settings = needs_.settings;
  auto step = [&](auto&& statement) {
    attempt(needs_.platform.log, "Frm_process.Timer3", statement);
  };

  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  // No hold-off: the keep-on-top run takes effect at once.
  needs_.run.holdOff = 0;
  loadLook();
  step([&] { barStage_ = needs_.clockDisplay.alarmStage(); });

  displayCounter_ = settings.tellShowtime;
  std::int32_t seconds = 0;
  switch (barStage_) {
    case AlarmStage::Alarm1:
    case AlarmStage::SettingsApplied:
      seconds = settings.Time_one;
      break;
    case AlarmStage::Alarm2:
      seconds = settings.Time_two;
      break;
    case AlarmStage::Alarm3:
      seconds = settings.Time_three;
      // The third reminder may keep the bar on screen until zero. A span beyond the counter's
      // range fails this step alone and the bar keeps its display time.
      if (optionOn(settings.checkvalue, CheckFlag::TimedDuration) &&
          optionOn(settings.checkvalue, CheckFlag::Alarm3) &&
          optionOn(settings.checkvalue, CheckFlag::ContinuousReminder)) {
        step([&] { displayCounter_ = CInt(settings.Time_three); });
      }
      break;
    case AlarmStage::Zero:
      break;
    default:
      displayCounter_ = 0;
  }
  step([&] { barTime_ = SecondsToTime(seconds); });
  step([&] { timeText_ = barTimeText(std::int64_t{seconds} * 1000, barTime_); });

  switch (barStage_) {
    case AlarmStage::Alarm1:
    case AlarmStage::Alarm2:
    case AlarmStage::Alarm3:
    case AlarmStage::SettingsApplied:
    case AlarmStage::Zero:
      step([&] {
        if (role_.extended && barStage_ != AlarmStage::Zero) {
          // The extended screen's bar shows the primary bar's text.
          setText(needs_.promptBar.text());
        } else if (barStage_ == AlarmStage::Zero && Len(settings.tellShowtext) >= 1) {
          setText(settings.tellShowtext);
        } else {
          setText(settings.tellprocesstext + (barStage_ == AlarmStage::Zero ? "超时" : "还剩") +
                  timeText_);
        }
      });
      Form_Resize();
      step([&] {
        if (PromptBar* two = partner()) two->setText(text_);
      });
      Timer1.setEnabled(false);
      Timer2.setEnabled(true);
      Timer3.setEnabled(false);
      break;
    default:
      // Any other stage hides the bar.
      Timer1.setEnabled(false);
      Timer2.setEnabled(false);
      Timer3.setEnabled(false);
      tuichu();
      needs_.platform.loop.doEvents();
      return;
  }

  setWidth(Label1.Width() + 480);
  setHeight(Label1.Height() + 240);
  Form_Resize();
  placeAtStoredPosition();
  step([&] {
    if (PromptBar* two = partner()) two->requestStart();
  });
  keepOnTopCount_ = 3;
  Timer4.setEnabled(true);
}

// The stored position serves while it fits the primary screen; otherwise, for this showing
// only, the bar is centred horizontally and put 200 twips below the top edge. A bar whose
// position is stored nowhere (neither the file nor the registry) is placed the same way, not at
// the screen's corner.
void PromptBar::placeAtStoredPosition() {
  const BarPosition at = readBarPosition(needs_.platform, role_.leftKey, role_.topKey);
  const int w = screenWidthTwips();
  const int h = screenHeightTwips();
  if (role_.extended) {
    placeOnExtendedScreen(at);
    return;
  }
  setLeft(at.left >= 0 && at.left <= w - Width() ? at.left : (w - Width()) / 2);
  setTop(at.top >= 0 && at.top <= h ? at.top : 200);
}

// On the extended screen the stored position serves as it is, brought onto that screen: a top
// below it is reduced by whole screen heights, a left on the primary screen becomes the extended
// screen's left edge. A position stored nowhere counts as 0, the extended screen's top-left
// corner.
void PromptBar::placeOnExtendedScreen(BarPosition at) {
  if (at.left == kBarNotStored) at.left = 0;
  if (at.top == kBarNotStored) at.top = 0;
  const int w = screenWidthTwips();
  setLeft(at.left < w ? w : at.left);
  setTop(reduceByScreenHeights(at.top, screenHeightTwips()));
}

}  // namespace horalix
