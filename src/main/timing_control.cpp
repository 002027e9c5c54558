#include "main/timing_control.h"

#include "clock/clock.h"
#include "main/clock_mark.h"
#include "main/clock_placement.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/tray_menu.h"
#include "services/attempt.h"
#include "services/context.h"
#include "services/format_picture.h"
#include "services/option_names.h"
#include "services/run_cells.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/time_value.h"

namespace horalix {

namespace {

// The count timer of the running direction: Timer1 counts down, Timer4 counts up.
void switchCount(Context& app, bool on) {
  const bool down = isCountDirection(app.mainWindow().Lab_time_state, CountDirection::Down);
  auto pick = [down](auto& clock) -> platform::Timer& {
    return down ? clock.Timer1 : clock.Timer4;
  };
  pick(app.floatingClock()).setEnabled(on);
  if (ReadSecondScreen(app) == 1) pick(app.mirrorClock()).setEnabled(on);
}

}  // namespace

void StartTiming(Context& app) {
  MainWindow& main = app.mainWindow();
  if (!main.menu_one(1).Enabled()) return;
  main.delform();
  writeCountDirection(main.Lab_time_state, CountDirection::Down);
  main.Label13(0).setCaption("手动计时");
  main.Timer4.setEnabled(false);
  main.Timer5.setEnabled(false);
  main.Label4(0).setCaption(Format(app.settings.Time_all, "hh:mm:ss"));
  for (int i = 1; i <= 3; ++i) main.Label4(i).setCaption("0");
  main.Label4(4).setCaption(main.Label13(0).Caption());
  main.Label7.setCaption("0");
  for (int i = 1; i <= 4; ++i) main.Label5(i).setCaption("0");
  main.Text1.setText("0");
  app.platform.loop.doEvents();
  const auto area = app.platform.desktop.fullScreenArea();
  app.run.ScreenWidthPx = area.width();
  app.run.ScreenHeightPx = area.height();
  app.floatingClock().Timer5.setEnabled(true);
}

void PauseResume(Context& app) {
  MainWindow& main = app.mainWindow();
  if (!runBound(app) || !optionOn(app.settings.checkvalue, CheckFlag::PauseAllowed)) return;
  platform::MenuItem& pauseItem = main.menu_one(2);
  attempt(app, "PauseResume", [&] { main.Label7.setCaption("1"); });
  // Bank the total of the last tick; the time since that tick is not banked.
  attempt(app, "PauseResume", [&] {
    if (isCountDirection(main.Lab_time_state, CountDirection::Up)) {
      main.Label4(2).setCaption(CStr(Val(main.Label5(2).Caption())));
    } else {
      main.Label4(1).setCaption(CStr(Val(main.Label5(1).Caption())));
      main.Label4(2).setCaption("0");
    }
  });
  const ClockMethod method = readClockMethod(app);
  const auto now = clockMark(app, method);
  attempt(app, "PauseResume", [&] {
    if (captionStartsWith(pauseItem, "继续") && now) {
      const auto span = clockSpan(method, app.run.StartTick, *now);
      main.Label4(3).setCaption(CStr(Val(main.Label4(3).Caption()) + static_cast<double>(span)));
    }
  });
  if (now) app.run.StartTick = *now;
  // Both clocks measure the new segment from now: with the time-of-day method each reads the
  // segment's start from its own Label16.
  attempt(app, "PauseResume", [&] {
    const std::string now = Format(timeOf(app.platform.loop.localTime()), "hh:mm:ss");
    app.floatingClock().Label16.setCaption(now);
    app.mirrorClock().Label16.setCaption(now);
  });
  attempt(app, "PauseResume", [&] {
    if (captionStartsWith(pauseItem, "暂停")) {
      setCaptionPrefix(pauseItem, "继续");
      switchCount(app, false);
    } else {
      setCaptionPrefix(pauseItem, "暂停");
      switchCount(app, true);
    }
  });
}

void StopTiming(Context& app) {
  MainWindow& main = app.mainWindow();
  if (!main.menu_one(3).Enabled()) return;
  // A paused run is resumed first, so that its pause is recorded.
  if (captionStartsWith(main.menu_one(2), "继续")) PauseResume(app);
  attempt(app, "StopTiming", [&] {
    main.menu_one(1).setEnabled(true);
    main.menu_one(2).setEnabled(false);
    main.menu_one(2).setVisible(optionOn(app.settings.checkvalue, CheckFlag::PauseAllowed));
    setCaptionPrefix(main.menu_one(2), "暂停");
    main.menu_one(3).setEnabled(false);
    main.menu_two(1).setEnabled(true);
  });
  attempt(app, "StopTiming", [&] { releaseRunMenus(app); });
  main.Label13(0).setCaption("");
  attempt(app, "StopTiming", [&] { main.delform(); });
  attempt(app, "StopTiming", [&] { RestoreClocks(app); });
  main.Timer4.setEnabled(true);
}

}  // namespace horalix
