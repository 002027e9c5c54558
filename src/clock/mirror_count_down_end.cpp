// The mirror's count-down at zero: the count stops and a new counting segment begins; then, by
// the after-zero action, the mirror counts on in overtime (with its zero reminder and the
// extended screen's prompt bar), stops with its final count, or, when cycling, either counts
// the overtime before the next round or stops. Sounds, the run record, the time-up prompt and
// the next round belong to the floating clock.
#include "bars/bars.h"
#include "clock/clock_needs.h"
#include "clock/mirror_clock.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/setting_readers.h"

namespace horalix {

namespace {
constexpr const char* kWhere = "time_glasstwo.Timer1";
}

void MirrorClock::endCountDown() {
  auto attempt = [this](auto&& statement) {
    horalix::attempt(needs_.platform.log, kWhere, statement);
  };
  const std::string& c = needs_.settings.checkvalue;
  auto on = [&c](CheckFlag flag) { return optionOn(c, flag); };
  Timer1.setEnabled(false);
  Timer3.setEnabled(false);
  needs_.run.BlinkCount = 0;
  takeSegmentStart();
  Picture1.setVisible(true);
  Picture2.setVisible(true);

  // The zero reminder on the mirror, and the extended screen's prompt bar when `barOn`.
  auto zeroReminder = [&](bool barOn) {
    attempt([&] {
      if (on(CheckFlag::TimedDuration) && on(CheckFlag::OvertimeLimit))
        armZeroReminder(on(CheckFlag::FlashOvertime));
    });
    attempt([&] {
      if (!barOn) return;
      alarmStage = AlarmStage::Zero;
      promptBar().requestStart();
    });
  };
  auto stop = [&] {
    showFinalCount();
    stopCountTimers();
  };

  switch (needs_.run.AfterZeroAction) {
    case AfterZero::Overtime:
      // The prompt bar at zero does not ask for the zero reminder itself here.
      zeroReminder(on(CheckFlag::TimedDuration) && on(CheckFlag::BarOvertime));
      Timer1.setEnabled(false);
      Timer4.setEnabled(true);
      attempt([&] { applyOvertimeStyle(false); });
      break;
    case AfterZero::Stop:
      stop();
      break;
    case AfterZero::Cycle:
      if (needs_.settings.time_end > 0 && on(CheckFlag::TimedDuration) &&
          on(CheckFlag::OvertimeLimit)) {
        zeroReminder(on(CheckFlag::BarOvertime));
        attempt([&] {
          if (ReadSecondScreen(needs_.platform, needs_.interactionMenu) != 1) return;
          Timer1.setEnabled(false);
          Timer4.setEnabled(true);
        });
        attempt([&] { applyOvertimeStyle(true); });
      } else {
        stop();
      }
      break;
    default:
      stopCountTimers();
      break;
  }
}

}  // namespace horalix
