// The prompt bar's once-a-second text update from the run state.
#include "bars/prompt_bar_text.h"

#include <vector>

#include "bars/bars_needs.h"
#include "bars/prompt_bar.h"
#include "services/attempt.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"
#include "services/time_value.h"

namespace horalix {

namespace {

std::string twoDigits(int n) { return Format(static_cast<double>(n), "00"); }

}  // namespace

double barTimeOf(std::int32_t ms) {
  const std::vector<std::string> parts = Split(SplitMilliseconds(ms), "\\");
  return TimeValue(twoDigits(CInt(parts.at(0))) + ":" + twoDigits(CInt(parts.at(1))) + ":" +
                   twoDigits(CInt(parts.at(2))));
}

std::string barTimeText(std::int64_t ms, double barTime) {
  const auto seconds = static_cast<std::int64_t>(Int(ms / 1000.0));
  if (seconds >= 3600) {
    return std::to_string(Hour(barTime)) + "时" + twoDigits(Minute(barTime)) + "分" +
           twoDigits(Second(barTime)) + "秒";
  }
  if (seconds >= 60)
    return std::to_string(Minute(barTime)) + "分" + twoDigits(Second(barTime)) + "秒";
  return std::to_string(seconds) + "秒";
}

void PromptBar::parkFromTick() {
  for (platform::Timer* t : {&Timer1, &Timer2, &Timer3, &Timer4}) t->setEnabled(false);
  park(2000);
  tuichu();
}

// Every step runs even when one before it failed. The display counter, set by the start, falls
// by one a tick; the bar parks when it has run out, except at zero with the option to keep the
// bar until the end of the run.
void PromptBar::textTick() {
  const SettingsBlock& settings = needs_.settings;
  auto step = [&](auto&& statement) {
    attempt(needs_.platform.log, "Frm_process.Timer2", statement);
  };

  std::int32_t ms = 0;
  ms = needs_.run.shownMillis;
  // A count of a day or more keeps the time shown before.
  step([&] { barTime_ = barTimeOf(ms); });
  step([&] {
    if (PromptBar* two = partner()) two->resumeTextUpdate();
  });
  step([&] { barStage_ = needs_.clockDisplay.alarmStage(); });

  if (displayCounter_ > 0) {
    displayCounter_ = static_cast<std::int16_t>(displayCounter_ - 1);
    switch (barStage_) {
      case AlarmStage::Alarm1:
      case AlarmStage::Alarm2:
      case AlarmStage::Alarm3:
        step([&] {
          if (role_.extended) {
            // The extended screen's bar shows the primary bar's text.
            setText(needs_.promptBar.text());
          } else {
            timeText_ = barTimeText(ms, barTime_);
            setText(settings.tellprocesstext + "还剩" + timeText_);
          }
          Form_Resize();
        });
        // The bar leaves with the last second of the run.
        step([&] {
          if (needs_.run.shownMillis < 1000) displayCounter_ = 0;
        });
        break;
      case AlarmStage::Zero:
        break;
      case AlarmStage::SettingsApplied:
        if (role_.extended) step([&] { setText(needs_.promptBar.text()); });
        Form_Resize();
        break;
      default:
        displayCounter_ = 0;
    }
    step([&] {
      if (PromptBar* two = partner()) {
        two->resumeTextUpdate();
        two->setText(text_);
      }
    });
  }

  switch (barStage_) {
    case AlarmStage::Alarm1:
    case AlarmStage::Alarm2:
    case AlarmStage::Alarm3:
    case AlarmStage::Reserved5:
    case AlarmStage::Reserved6:
      if (displayCounter_ < 1) parkFromTick();
      break;
    case AlarmStage::Zero:
      step([&] {
        timeText_ = barTimeText(ms, barTime_);
        setText(Len(settings.tellShowtext) >= 1 ? settings.tellShowtext
                                                : settings.tellprocesstext + "超时" + timeText_);
        Form_Resize();
      });
      if (optionOn(settings.checkvalue, CheckFlag::TimedDuration)) {
        if (optionOn(settings.checkvalue, CheckFlag::ContinuousReminder)) {
          // The bar stays and keeps counting the time over.
          Timer1.setEnabled(false);
          Timer2.setEnabled(true);
          Timer3.setEnabled(false);
        } else if (displayCounter_ < 1) {
          parkFromTick();
        }
      }
      break;
    case AlarmStage::SettingsApplied:
      // The preview runs down twice as fast while the counter is positive, then ends by letting
      // the document watch run again.
      displayCounter_ = static_cast<std::int16_t>(displayCounter_ - 1);
      if (displayCounter_ < 0) {
        parkFromTick();
        needs_.runControl.resumeDocumentWatch();
      }
      break;
    default:
      displayCounter_ = 0;
      parkFromTick();
  }
  needs_.platform.loop.doEvents();
}

}  // namespace horalix
