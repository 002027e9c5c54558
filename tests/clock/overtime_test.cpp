// The overtime count after zero in virtual time: each of the five overtime styles up to the set
// end of the overtime, the zero reminder and its sound by their flags, an end second that got no
// tick, and an overtime without an end.
#include <gtest/gtest.h>

#include <string>

#include "bars/prompt_bar.h"
#include "clock/run_end_fixture.h"

namespace horalix::test {
namespace {

struct OvertimeStyle {
  int timeout;            // the registry value timeout
  const char* oneSecond;  // the text one second into the overtime
  bool colours;           // the overtime colours are applied
  bool parked;            // the clocks are parked and the count goes on unseen
};

class OvertimeStyles : public RunEndTest, public testing::WithParamInterface<OvertimeStyle> {};

TEST_P(OvertimeStyles, CountOnPastZeroInTheirStyleAndStopAtTheOvertimeEnd) {
  const OvertimeStyle& c = GetParam();
  programValues(app.platform).writeNumber("timeout", c.timeout);
  launch(kOvertime);
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  app.settings.time_end = 3;
  int colourTicks = 0;
  clock.Timer8.onTick = [&] {
    clock.Timer8.setEnabled(false);
    ++colourTicks;
  };
  startRun();
  until([&] { return !clock.Timer1.Enabled(); });
  EXPECT_TRUE(clock.Timer4.Enabled()) << "the overtime count takes over";
  loop.advance(1'300);
  EXPECT_EQ(app.run.direction, CountDirection::Up);
  EXPECT_EQ(clock.faceText(), c.oneSecond);
  EXPECT_EQ(colourTicks, c.colours ? 1 : 0);
  EXPECT_EQ(clock.Left() < 0, c.parked);
  EXPECT_FALSE(runEnded()) << "the overtime counts as part of the run";
  // The overtime ends at its first tick three seconds in.
  ASSERT_GE(until([&] { return !clock.Timer4.Enabled(); }, 5'000), 0);
  const double banked = app.run.record.bankedUpMs;
  EXPECT_GE(banked, 3'000);
  EXPECT_LT(banked, 3'200);
  EXPECT_EQ(clocksite("out_time"), "00:00:03");
  EXPECT_EQ(clock.Timer4.Interval(), 1000) << "the next run's first tick after a second";
  loop.advance(5'000);
  EXPECT_FALSE(clock.Timer1.Enabled() || clock.Timer4.Enabled());
}

INSTANTIATE_TEST_SUITE_P(Timeout, OvertimeStyles,
                         testing::Values(OvertimeStyle{0, "00:01", false, false},
                                         OvertimeStyle{1, "00:01", true, false},
                                         OvertimeStyle{2, "-00:01", false, false},
                                         OvertimeStyle{3, "超时00:01", false, false},
                                         OvertimeStyle{4, "00:01", false, true}));

TEST_F(RunEndTest, OvertimeStyleOneRecoloursTheClockThroughItsColourTimer) {
  programValues(app.platform).writeNumber("timeout", 1);
  launch(kOvertime);
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  app.settings.time_end = 3;
  startRun();
  until([&] { return !clock.Timer1.Enabled(); });
  loop.advance(1'300);
  // The defaults of the overtime colours: yellow text, the one-shot timer spent.
  EXPECT_EQ(clock.Picture2.ForeColor(), 65535u);
  EXPECT_EQ(controlNamed(clock, "Label11").ForeColor(), 65535u);
  EXPECT_FALSE(clock.Timer8.Enabled());
  EXPECT_EQ(app.run.OvertimePrefix, "");
}

TEST_F(RunEndTest, TheZeroReminderAndItsSoundNeedTheirFlagsAndTheStageBarGoesAtZero) {
  struct Case {
    bool zeroReminder, zeroSound;
    bool reminded, sounded;
  };
  launch(kOvertime);
  app.settings.time_end = 0;
  // The third stage's bar, shown 5 s before zero, would stay 10 s.
  app.settings.tellShowtime = 10;
  setOption(app.settings.checkvalue, CheckFlag::ContinuousReminder, false);
  for (const Case& c : {Case{true, true, true, true}, Case{true, false, true, false},
                        Case{false, true, false, false}}) {
    SCOPED_TRACE(testing::Message() << c.zeroReminder << c.zeroSound);
    setOption(app.settings.checkvalue, CheckFlag::OvertimeLimit, c.zeroReminder);
    setOption(app.settings.checkvalue, CheckFlag::SoundOvertime, c.zeroSound);
    const std::size_t before = sound.waves().size();
    startRun();
    until([&] { return !clock.Timer1.Enabled(); });
    EXPECT_TRUE(clock.Timer4.Enabled()) << "the overtime counts in every case";
    EXPECT_EQ(clock.alarmStage, c.reminded ? AlarmStage::Zero : AlarmStage::Alarm3);
    EXPECT_EQ(playsSince(before, "Stop.wav"), c.sounded ? 1 : 0);
    if (!c.reminded) {
      EXPECT_LT(app.promptBar().Top(), 0) << "no bar in overtime without the zero reminder";
    }
    StopTiming(app.mainNeeds);
    loop.advance(200);
  }
}

TEST_F(RunEndTest, TheOvertimeEndTakesTheBarsDownAndPlaysTheEndSoundByItsFlag) {
  launch(kOvertime);
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  app.settings.time_end = 3;
  app.settings.tellShowtime = 10;  // the zero reminder's bar would stay past the end
  for (bool endSound : {true, false}) {
    SCOPED_TRACE(endSound);
    setOption(app.settings.checkvalue, CheckFlag::EndSound, endSound);
    const std::size_t before = sound.waves().size();
    startRun();
    until([&] { return !clock.Timer1.Enabled(); });
    loop.advance(200);
    ASSERT_GE(app.promptBar().Top(), 0) << "the zero reminder's bar";
    ASSERT_GE(until([&] { return !clock.Timer4.Enabled(); }, 5'000), 0);
    EXPECT_LT(app.promptBar().Top(), 0);
    // The zero sound and the end sound are both Stop.wav.
    EXPECT_EQ(playsSince(before, "Stop.wav"), endSound ? 2 : 1);
    StopTiming(app.mainNeeds);
    loop.advance(200);
  }
}

TEST_F(RunEndTest, AnOvertimeWhoseEndSecondGotNoTickStillEnds) {
  launch(kOvertime);
  setOption(app.settings.checkvalue, CheckFlag::EndPrompt, false);
  app.settings.time_end = 3;
  startRun();
  until([&] { return !clock.Timer1.Enabled(); });
  until([&] { return app.run.shownMillis != 0 && app.run.shownMillis >= 2'000; });
  ASSERT_TRUE(clock.Timer4.Enabled());
  // The machine is busy for two seconds: no tick falls in the third second of the overtime.
  loop.sleep(2'000);
  loop.advance(200);
  EXPECT_GE(app.run.shownMillis, 4'000);
  EXPECT_FALSE(clock.Timer4.Enabled()) << "the overtime ends at the first tick past its end";
}

TEST_F(RunEndTest, WithoutItsEndTheOvertimeCountsOn) {
  launch(kOvertime);
  app.settings.time_end = 0;
  startRun();
  until([&] { return !clock.Timer1.Enabled(); });
  loop.advance(30'000);
  EXPECT_TRUE(clock.Timer4.Enabled());
  EXPECT_EQ(clock.faceText(), "00:30");
}

}  // namespace
}  // namespace horalix::test
