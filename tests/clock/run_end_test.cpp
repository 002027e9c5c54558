// The end of a run at zero in virtual time: a short run stopped, recorded and taken down, a
// count-up run up to its set length, and the cycle that starts the run again.
#include <gtest/gtest.h>

#include "bars/time_up_prompt.h"
#include "clock/run_end_fixture.h"
#include "presets/office_data_file.h"

namespace horalix::test {
namespace {

class StopAtZero : public RunEndTest, public testing::WithParamInterface<bool> {};

TEST_P(StopAtZero, EndsTheRunAndRecordsItWithARowOnlyWhenRecordingIsOn) {
  const bool recording = GetParam();
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")));
  programValues(app.platform).writeNumber("Time_Record", recording ? 1 : 0);
  launch(kStop);
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);  // no time-up prompt here
  startRun();
  ASSERT_FALSE(runEnded());
  const std::int64_t took = until([&] { return !clock.Timer1.Enabled(); });
  // The count ends at the first tick with less than a second left.
  EXPECT_GE(took, 9'000);
  EXPECT_LE(took, 9'800);
  EXPECT_TRUE(runEnded()) << "menus released";
  EXPECT_FALSE(clock.Timer4.Enabled()) << "no overtime";
  EXPECT_EQ(clock.faceText(), "00:00");
  EXPECT_EQ(clocksite("set_time"), "00:00:10");
  EXPECT_EQ(clocksite("use_time"), "00:00:10");
  EXPECT_EQ(clocksite("out_time"), "00:00:00");
  EXPECT_EQ(clocksite("pause_time"), "00:00:00");
  EXPECT_EQ(clocksite("filename"), "手动计时");
  EXPECT_EQ(runRows(), recording ? 1U : 0U);
  loop.advance(5'000);
  EXPECT_FALSE(clock.Timer1.Enabled() || clock.Timer4.Enabled()) << "the run stays ended";
}

INSTANTIATE_TEST_SUITE_P(Recording, StopAtZero, testing::Bool());

TEST_F(RunEndTest, ACountUpShowsTheTimeSpentRisingAndStopsOnTheSetLength) {
  launch("010100010");
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  startRun();
  EXPECT_EQ(clock.faceText(), "00:00");
  loop.advance(3'500);
  EXPECT_EQ(clock.faceText(), "00:03");
  until([&] { return !clock.Timer1.Enabled(); });
  EXPECT_EQ(clock.faceText(), "00:10");
  EXPECT_TRUE(runEnded());
}

TEST_F(RunEndTest, TheCycleActionRecordsTheRunAndStartsTheSameTimerAgain) {
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")));
  programValues(app.platform).writeNumber("Time_Record", 1);
  launch(kCycle);
  startRun();
  until([&] { return !clock.Timer1.Enabled(); });
  EXPECT_EQ(runRows(), 1U);
  EXPECT_EQ(playsSince(0, "Stop.wav"), 1) << "the end sound";
  EXPECT_TRUE(clock.Timer5.Enabled()) << "the run start is armed";
  setOption(app.settings.checkvalue, CheckFlag::EndSound, false);
  runStart();
  EXPECT_TRUE(clock.Timer1.Enabled()) << "the same timer counts again";
  EXPECT_EQ(clock.faceText(), "00:10");
  EXPECT_FALSE(runEnded());
  // And again after the next ten seconds: nothing of the first round is counted in the second.
  EXPECT_GE(until([&] { return clock.Timer5.Enabled(); }, 11'000), 9'000);
  EXPECT_EQ(runRows(), 2U);
  EXPECT_EQ(playsSince(0, "Stop.wav"), 1) << "no end sound once it is switched off";
}

TEST_F(RunEndTest, TheTimeUpPromptWaitsWhileTheOtherTimersTickThenTheRunEnds) {
  launch(kStop);
  int watchTicks = 0, blinkTicks = 0;
  bool endedWhileOpen = true;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string& what) {
    if (what.find("Frm_tishi") == std::string::npos) return;
    // A reminder blink and the sibling-program watch are under way; the prompt stays open for
    // five seconds, then its button is clicked.
    for (platform::Timer* t : {&clock.Timer3, &main.Timer3}) {
      int& ticks = t == &clock.Timer3 ? blinkTicks : watchTicks;
      t->onTick = [&ticks, t, own = t->onTick] {
        ++ticks;
        if (own) own();
      };
    }
    app.run.BlinkHold = 20;
    clock.Timer3.setEnabled(true);
    main.Timer3.setEnabled(true);
    loop.advance(5'000);
    endedWhileOpen = runEnded();
    app.timeUpPrompt().Command1.click();
  };
  startRun();
  until([&] { return !clock.Timer1.Enabled(); });
  EXPECT_GE(blinkTicks, 10) << "the blink ran while the prompt was open";
  EXPECT_GE(watchTicks, 4) << "the watch ran while the prompt was open";
  EXPECT_FALSE(endedWhileOpen) << "the tick waits for the prompt";
  EXPECT_TRUE(runEnded()) << "the run ends once the prompt has closed";
  EXPECT_FALSE(app.timeUpPrompt().Visible());
}

TEST_F(RunEndTest, ABlankTimeUpTextOrThePromptSwitchedOffShowsNoPrompt) {
  launch(kStop);
  bool shown = false;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) { shown = true; };
  for (bool blankText : {true, false}) {
    SCOPED_TRACE(blankText);
    app.settings.tellouttext = blankText ? "   " : "Time is up";
    setOption(app.settings.checkvalue, CheckFlag::EndPrompt, blankText);
    startRun();
    until([&] { return !clock.Timer1.Enabled(); });
    EXPECT_FALSE(shown);
    EXPECT_TRUE(runEnded());
  }
}

}  // namespace
}  // namespace horalix::test
