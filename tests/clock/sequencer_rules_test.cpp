// The clock's placement by its sequencer when nothing or too much is asked of it, the show choice
// while a count-up runs, pause and resume by the time of day, and the presets item during a run.
#include <gtest/gtest.h>

#include <string>

#include "clock/clock_placement.h"
#include "main/timing_control.h"
#include "services/option_names.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class SequencerRulesTest : public MainWindowTest {
 protected:
  void SetUp() override { start(); }

  // One tick of the sequencer in its place state.
  void placeTick() {
    clock.sequencerStep = ClockWindow::SequencerStep::Place;
    clock.reminderPending = false;
    clock.Timer2.setEnabled(true);
    loop.advance(100);
  }
  int screenWidth() const { return app.run.ScreenWidthPx * 15; }
};

TEST_F(SequencerRulesTest, AClockStoredNowhereGoesToTheRightEdgeAtTheTop) {
  installFile("TimeData.db", "[clocksite]\r\nclockleft=1000\r\nclocktop=2000\r\n");
  placeTick();
  ASSERT_EQ(clock.Left(), 1000);
  const int maxLeft = screenWidth() - clock.Label9.Width() - 100;
  // A fresh install: no TimeData.db position and no registry value.
  installFile("TimeData.db", "");
  placeTick();
  EXPECT_EQ(clock.Left(), maxLeft) << "not the top left corner";
  EXPECT_EQ(clock.Top(), 0);
}

TEST_F(SequencerRulesTest, AStoredZeroIsAPlaceOfItsOwn) {
  installFile("TimeData.db", "[clocksite]\r\nclockleft=0\r\nclocktop=0\r\n");
  placeTick();
  EXPECT_EQ(clock.Left(), 0);
  EXPECT_EQ(clock.Top(), 0);
}

TEST_F(SequencerRulesTest, AClockWiderThanTheScreenStartsAtItsLeftEdge) {
  installFile("TimeData.db", "[clocksite]\r\nclockleft=500\r\nclocktop=500\r\n");
  clock.Label9.setWidth(screenWidth() + 2000);  // the text's width at a very large size
  placeTick();
  EXPECT_EQ(clock.Left(), 0);
  EXPECT_EQ(clock.Top(), 500);
}

TEST_F(SequencerRulesTest, WhileACountUpRunsTheHideWhileIdleOptionShowsTheClock) {
  installFile("TimeData.db", "[clocksite]\r\nclockleft=1000\r\nclocktop=2000\r\n");
  setOption(app.settings.checkvalue, CheckFlag::HideWhenIdle, true);
  for (bool countingUp : {true, false}) {
    clock.park();
    clock.Timer2.setEnabled(false);
    clock.Timer1.setEnabled(false);
    clock.Timer4.setEnabled(countingUp);
    RestoreClocks(app.clocks);
    EXPECT_EQ(clock.Top() >= 0, countingUp) << (countingUp ? "counting up" : "idle");
  }
}

TEST_F(SequencerRulesTest, ByTheTimeOfDayPauseAndResumeRetakeTheSegmentStart) {
  loop.setLocalTime({2024, 5, 6, 10, 0, 0, 0, 1});
  app.run.method = ClockMethod::TimeOfDay;
  StartTiming(app.mainNeeds);
  runStart();
  ASSERT_EQ(app.run.StartTick, 36'000'000);
  loop.advance(5'300);
  PauseResume(app.mainNeeds);
  EXPECT_EQ(app.run.StartTick, 36'005'000) << "whole seconds of the time of day";
  loop.advance(3'000);
  PauseResume(app.mainNeeds);
  EXPECT_EQ(app.run.StartTick, 36'008'000);
  EXPECT_EQ(app.run.record.pausedMs, 3000) << "the pause, in whole seconds";
}

TEST_F(SequencerRulesTest, ThePresetsItemNeedsItsOptionAndAPreset) {
  struct Case {
    bool option8;
    const char* firstPreset;
    bool run;
    bool visible;
  };
  for (const Case& c : {Case{false, "keynote", true, false}, Case{true, "keynote", true, true},
                        Case{true, "^", true, false}, Case{false, "keynote", false, false},
                        Case{true, "keynote", false, true}}) {
    setOption(app.settings.checkvalue, CheckFlag::SettingsAllowed, c.option8);
    main.menu_often(0).setCaption(c.firstPreset);
    main.presetsListed = std::string(c.firstPreset) != "^";
    if (c.run) {
      StartTiming(app.mainNeeds);
    } else {
      clock.Timer5.setEnabled(true);
    }
    runStart();
    EXPECT_EQ(main.menu_two(3).Visible(), c.visible)
        << "option 8 " << c.option8 << ", " << c.firstPreset << (c.run ? ", run" : ", idle");
    StopTiming(app.mainNeeds);
  }
}

}  // namespace
}  // namespace horalix::test
