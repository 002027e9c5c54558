// Rules of the count ticks that a run only shows in passing: the remaining-time guard, the count
// view at the third reminder, the English keyboard once a run, a count that lost its run, and
// the end of the overtime.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>

#include "clock/run_end_fixture.h"
#include "services/option_names.h"
#include "services/program_values.h"
#include "services/text_runtime.h"

namespace horalix::test {
namespace {

constexpr int kEscape = 27;

class CountTickRulesTest : public RunEndTest {
 protected:
  int shownMs() { return app.run.shownMillis; }
  // A 10-second run with 2 seconds of overtime beside a running slide show: whether its end
  // sent the show the Esc key.
  bool overtimeEndSendsEscape(const char* optvalue) {
    launch(optvalue);
    setOption(app.settings.checkvalue, CheckFlag::OvertimeLimit, true);
    setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
    app.settings.time_end = 2;
    const std::uintptr_t show = desktop.openWindow("PowerPoint 幻灯片放映 - talk.pptx");
    startRun();
    until([&] { return clock.Timer4.Enabled(); });
    EXPECT_GE(until([&] { return !clock.Timer4.Enabled(); }, 4000), 0);
    return escapeSentTo(show);
  }
  bool escapeSentTo(std::uintptr_t window) const {
    const auto& keys = desktop.keys();
    return std::any_of(keys.begin(), keys.end(), [&](const platform::KeyPress& k) {
      return k.virtualKey == kEscape && k.target == window;
    });
  }
};

TEST_F(CountTickRulesTest, TheShownTimeNeverRisesByMoreThan400Ms) {
  launch(kStop);
  startRun();
  loop.advance(1000 + 200);
  ASSERT_EQ(app.run.shownMillis, 9200);
  // The guard last saw 7 s left: the measured 9 s is a jump upwards.
  clock.shownGuardMillis = 7000;
  loop.advance(200);
  EXPECT_EQ(app.run.shownMillis, 9000) << "the run state carries the measured time";
  EXPECT_EQ(clock.shownGuardMillis, 7000) << "the guard keeps its value";
  EXPECT_EQ(clock.faceText(), "00:06") << "the clock shows the guard less 200 ms";
  // Within 400 ms the measure is taken.
  clock.shownGuardMillis = 8500;
  loop.advance(200);
  EXPECT_EQ(clock.shownGuardMillis, 8800);
  EXPECT_EQ(clock.faceText(), "00:08");
  // 500 ms above the guard is a jump again.
  clock.shownGuardMillis = 8100;
  loop.advance(200);
  EXPECT_EQ(clock.shownGuardMillis, 8100);
  EXPECT_EQ(clock.faceText(), "00:07");
}

TEST_F(CountTickRulesTest, TheThirdReminderAloneBringsBackTheCountView) {
  launch(kStop);
  app.settings.Time_one = 8;
  app.settings.Time_two = 7;
  app.settings.Time_three = 5;
  startRun();
  // The presenter switched to the time-of-day view.
  clock.bringIntoView(ClockWindow::FaceView::TimeOfDay);
  // The last tick before the third reminder's second, after the first two reminders.
  ASSERT_GE(until([&] { return app.run.shownMillis == 6000; }), 0);
  EXPECT_EQ(clock.alarmStage, AlarmStage::Alarm2);
  EXPECT_TRUE(clock.timeOfDayInView()) << "the first two reminders leave the view";
  ASSERT_GE(until([&] { return !clock.timeOfDayInView(); }, 1000), 0);
  EXPECT_LT(shownMs() + 100, 6000);
  EXPECT_GE(shownMs() + 100, 5000) << "in the third reminder's second";
  EXPECT_EQ(clock.view(), ClockWindow::FaceView::Count);
}

TEST_F(CountTickRulesTest, TheEnglishKeyboardIsSwitchedOnOnceARun) {
  launch(kStop);
  const int before = desktop.keyboardSwitches();
  startRun();
  loop.advance(3000);
  EXPECT_EQ(desktop.keyboardSwitches(), before + 1);
  StopTiming(app.mainNeeds);
  startRun();
  loop.advance(3000);
  EXPECT_EQ(desktop.keyboardSwitches(), before + 2);
}

TEST_F(CountTickRulesTest, ACountUpThatLostItsRunEndsItAndArmsTheRunStart) {
  launch(kOvertime);
  app.settings.time_end = 0;
  startRun();
  until([&] { return clock.Timer4.Enabled(); });
  loop.advance(1000);
  // The run was bound to a slide show whose value the add-in published.
  app.run.binding.documentKind = DocumentKind::SlideShow;
  programValues(app.platform).writeText("filename3", "talk.pptx");
  app.run.binding = {};
  ASSERT_GE(until([&] { return !clock.Timer4.Enabled(); }, 1000), 0);
  EXPECT_TRUE(clock.Timer5.Enabled()) << "the run start is armed again";
  EXPECT_TRUE(runEnded());
  EXPECT_FALSE(registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "filename3"))
      << "the end of the run lets go of the document's value";
}

TEST_F(CountTickRulesTest, TheEndOfTheOvertimeEndsTheSlideShow) {
  EXPECT_TRUE(overtimeEndSendsEscape(kOvertime));
}

TEST_F(CountTickRulesTest, AtTheEndOfACycleTheSlideShowGoesOn) {
  EXPECT_FALSE(overtimeEndSendsEscape(kCycle));
}

}  // namespace
}  // namespace horalix::test
