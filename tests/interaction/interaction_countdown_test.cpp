// The interaction countdown as a presenter sees it: what the window shows and when, the reminder
// sound and blink, the time-up, pause and continue, close, and a countdown across midnight.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "interaction_fixture.h"

namespace horalix::test {
namespace {

using CountdownTest = InteractionTest;

TEST_F(CountdownTest, EachDurationShowsItsFullLengthFirstAndEndsOnTime) {
  struct Case {
    const char* sname;
    const char* first;  // the first text shown
    std::int64_t millis;
  };
  const Case cases[] = {
      {"0:05:00", "5:00", 300000}, {"0:00:45", "0:45", 45000}, {"0:12:00", "12:00", 720000}};
  std::string ini;
  for (int i = 0; i < 3; ++i) ini += section(i + 1, cases[i].sname, "11111");
  startWith(ini);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(cases[i].sname);
    const std::int64_t chosen = loop.now();
    choose(i);
    EXPECT_EQ(shown(), cases[i].first);
    EXPECT_TRUE(onScreen());
    until("时间到");
    const std::int64_t lasted = loop.now() - chosen;
    // Whole seconds are shown rounded, so the end comes within half a second of the length.
    EXPECT_GE(lasted, cases[i].millis - 500);
    EXPECT_LE(lasted, cases[i].millis + 500);
    EXPECT_EQ(interaction.Picture4.ForeColor(), 255u);
  }
}

TEST_F(CountdownTest, TheShownTimeFollowsTheElapsedTimeNotTheTicks) {
  startWith(section(1, "0:02:00", "11111"));
  choose(0);
  const std::int64_t chosen = loop.now() - 100;
  struct Step {
    std::int64_t at;  // ms after the click
    const char* text;
  };
  // The whole seconds left are rounded: 118.6 s show 1:59, 118.4 s show 1:58.
  const Step steps[] = {{1250, "1:59"},  {1550, "1:59"},  {1750, "1:58"},
                        {10250, "1:50"}, {60300, "1:00"}, {61300, "0:59"}};
  for (const Step& s : steps) {
    loop.advance(chosen + s.at - loop.now());
    EXPECT_EQ(shown(), s.text) << s.at;
  }
}

TEST_F(CountdownTest, EverySecondBelowTenIsShownWithItsLeadingZero) {
  // Reminder at zero and no blink: the display stays in view until the time-up.
  startWith(section(1, "0:00:12", "11100", "0"));
  choose(0);
  std::vector<std::string> texts{shown()};
  while (texts.back() != "时间到" && loop.now() < 20'000) {
    loop.advance(10);
    if (!shown().empty() && shown() != texts.back()) texts.push_back(shown());
  }
  EXPECT_EQ(texts,
            (std::vector<std::string>{"0:12", "0:11", "0:10", "0:09", "0:08", "0:07", "0:06",
                                      "0:05", "0:04", "0:03", "0:02", "0:01", "0:00", "时间到"}));
}

TEST_F(CountdownTest, TheReminderSecondPlaysOnceAndBlinksUntilTimeUp) {
  struct Case {
    const char* flags;
    bool sound, blink;
  };
  const Case cases[] = {{"11111", true, true}, {"11110", true, false}, {"11011", false, true}};
  std::string ini;
  for (int i = 0; i < 3; ++i) ini += section(i + 1, "0:00:20", cases[i].flags, "5");
  startWith(ini);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(cases[i].flags);
    const int before = wavesPlayed("ding.wav");
    choose(i);
    until("0:05");
    EXPECT_EQ(wavesPlayed("ding.wav") - before, cases[i].sound ? 1 : 0);
    // The tick of the reminder second sets the next one a whole second later.
    EXPECT_EQ(interaction.Timer1.Interval(), 1000);
    int hiddenHalves = 0, halves = 0;
    while (interaction.shownText != "时间到" && halves < 20) {
      loop.advance(500);
      ++halves;
      if (!interaction.Picture4.Visible() && interaction.shownText != "时间到") ++hiddenHalves;
    }
    EXPECT_EQ(hiddenHalves > 3, cases[i].blink) << hiddenHalves << " of " << halves;
    EXPECT_EQ(wavesPlayed("ding.wav") - before, cases[i].sound ? 2 : 1) << "time-up sound";
    loop.advance(500);
    EXPECT_EQ(shown(), "时间到");
  }
}

TEST_F(CountdownTest, AReminderOfZeroRunsAtTheFirstZeroAndTimeUpFollowsASecondLater) {
  startWith(section(1, "0:00:10", "11111", "0"));
  choose(0);
  until("0:00");
  const std::int64_t zero = loop.now();
  EXPECT_EQ(wavesPlayed("ding.wav"), 1);
  EXPECT_TRUE(interaction.Timer2.Enabled());
  until("时间到", 5000, 10);
  EXPECT_GE(loop.now() - zero, 1000);
  EXPECT_LE(loop.now() - zero, 1200);
}

TEST_F(CountdownTest, AReminderLongerThanTheCountdownBlinksFromTheStart) {
  startWith(section(1, "0:00:20", "11111", "30"));
  choose(0);
  loop.advance(3000);
  EXPECT_TRUE(interaction.Timer2.Enabled());
  EXPECT_EQ(wavesPlayed("ding.wav"), 0) << "its reminder second never comes";
}

TEST_F(CountdownTest, AReminderOfOneOrMoreEndsWhenLessThanHalfASecondIsLeft) {
  startWith(section(1, "0:00:08", "11110", "1"));
  choose(0);
  until("0:01");
  // The tick that draws 0:00 also hides it; the time-up follows a tenth of a second later.
  int zeroSeen = 0;
  while (interaction.shownText != "0:00") loop.advance(10);
  const std::int64_t zero = loop.now();
  zeroSeen += interaction.Picture4.Visible();
  EXPECT_EQ(zeroSeen, 0);
  EXPECT_TRUE(interaction.Timer4.Enabled());
  until("时间到", 1000, 10);
  EXPECT_EQ(loop.now() - zero, 100);
}

TEST_F(CountdownTest, PauseKeepsTheShownTimeAndContinueGoesOnFromIt) {
  startWith(section(1, "0:05:00", "11111"));
  choose(0);
  until("3:12");
  loop.advance(300);
  popupCommand(1);
  EXPECT_EQ(main.menuItem("Frmhudong", 1).Caption(), "开始计时");
  loop.advance(60000);
  EXPECT_EQ(shown(), "3:12");
  popupCommand(1);
  EXPECT_EQ(main.menuItem("Frmhudong", 1).Caption(), "暂停计时");
  loop.advance(250);
  // At most one tick of time is lost, never the minute of the pause.
  EXPECT_TRUE(shown() == "3:12" || shown() == "3:11") << shown();
  until("时间到");
  EXPECT_EQ(interaction.shownText, "时间到");
}

TEST_F(CountdownTest, PauseDuringTheBlinkShowsSteadilyAndContinueBlinksAgain) {
  startWith(section(1, "0:00:30", "11111", "10"));
  choose(0);
  until("0:08");
  popupCommand(1);
  loop.advance(3000);
  EXPECT_TRUE(interaction.Picture4.Visible());
  EXPECT_FALSE(interaction.Timer2.Enabled());
  popupCommand(1);
  EXPECT_TRUE(interaction.Timer2.Enabled());
}

TEST_F(CountdownTest, WithoutAutomaticStartTheFullTimeWaitsForContinue) {
  startWith(section(1, "0:01:00", "10011"));
  choose(0);
  loop.advance(5000);
  EXPECT_EQ(shown(), "1:00");
  EXPECT_FALSE(interaction.Timer1.Enabled());
  EXPECT_EQ(main.menuItem("Frmhudong", 1).Caption(), "暂停计时");
  popupCommand(1);  // reads "暂停计时": only switches to "开始计时"
  loop.advance(5000);
  EXPECT_EQ(shown(), "1:00");
  popupCommand(1);
  loop.advance(1250);
  EXPECT_EQ(shown(), "0:59");
}

TEST_F(CountdownTest, ContinueAfterTimeUpDoesNothing) {
  startWith(section(1, "0:00:03", "11111"));
  choose(0);
  until("时间到");
  popupCommand(1);  // pauses the ended countdown: the item now reads "开始计时"
  popupCommand(1);
  loop.advance(3000);
  EXPECT_EQ(main.menuItem("Frmhudong", 1).Caption(), "开始计时");
  EXPECT_FALSE(interaction.Timer1.Enabled());
  EXPECT_EQ(shown(), "时间到");
  EXPECT_EQ(wavesPlayed("ding.wav"), 1) << "the time-up sound is not played again";
}

TEST_F(CountdownTest, AcrossMidnightTheTimeOfDayMethodsCountOn) {
  for (ClockMethod method : {ClockMethod::SecondsSinceMidnight, ClockMethod::TimeOfDay}) {
    SCOPED_TRACE(static_cast<int>(method));
    startWith(section(1, "0:01:00", "11111"));
    loop.setLocalTime({2026, 12, 9, 23, 59, 30, 0});
    app.run.method = method;
    choose(0);
    loop.advance(35000);
    EXPECT_EQ(shown(), "0:25");
    until("时间到");
    // The next day's 00:00:30, to within half a second.
    const auto now = loop.localTime();
    EXPECT_EQ(now.day, 10);
    EXPECT_NEAR(((now.hour * 60 + now.minute) * 60 + now.second) * 1000 + now.millisecond, 30000,
                500);
  }
}

TEST_F(CountdownTest, CloseStopsTheSoundAndParksTheWindow) {
  startWith(section(1, "0:00:02", "11111"));
  choose(0);
  until("时间到");
  EXPECT_EQ(sound.currentWave(), programPath("sounds\\ding.wav"));
  popupCommand(2);
  EXPECT_EQ(sound.currentWave(), "");
  EXPECT_EQ(interaction.Left(), -app.run.ScreenWidthPx * 15 - 10000);
  EXPECT_EQ(interaction.Top(), -app.run.ScreenHeightPx * 15 - 20000);
  EXPECT_EQ(interaction.presetDuration, "");
}

TEST_F(CountdownTest, APresetReplacesAnyCountdownButACountingOne) {
  startWith(section(1, "0:05:00", "11111") +
            section(2, "0:02:00", "11111", "5", "Trebuchet MS\\300\\4\\65535", "alarm.wav"));
  choose(0);
  loop.advance(2000);
  choose(1);  // counting: ignored
  EXPECT_EQ(interaction.presetDuration, "05:00");
  popupCommand(1);
  choose(1);  // paused: replaced
  EXPECT_EQ(shown(), "2:00");
  EXPECT_EQ(interaction.soundFile, "alarm.wav");
  EXPECT_EQ(main.menuItem("Frmhudong", 1).Caption(), "暂停计时");
  loop.advance(1250);
  EXPECT_EQ(shown(), "1:59");
  // One showing "时间到" is replaced too, its sound stopped first.
  until("时间到");
  EXPECT_EQ(sound.currentWave(), programPath("sounds\\alarm.wav"));
  choose(0);
  EXPECT_EQ(sound.currentWave(), "");
  EXPECT_EQ(shown(), "5:00");
}

TEST_F(CountdownTest, ACaptionThatIsNotMinutesAndSecondsChangesNothing) {
  startWith(section(1, "0:01:00", "11111"));
  choose(0);
  popupCommand(1);
  for (const char* caption : {"1:00:00", "60:00", "05:7x", "", ":05", "5:", "100:0", "互动一"}) {
    SCOPED_TRACE(caption);
    main.showInteractionPreset(0, true, caption);
    choose(0);
    EXPECT_EQ(interaction.presetDuration, "01:00");
    EXPECT_EQ(main.menuItem("Frmhudong", 1).Caption(), "开始计时");
    EXPECT_FALSE(interaction.Timer3.Enabled());
  }
  main.showInteractionPreset(0, true, "2:5");
  choose(0);
  EXPECT_EQ(shown(), "2:05");
}

TEST_F(CountdownTest, ADisplaySelectionWithoutASizeTakesTheStartDefaults) {
  startWith(section(1, "0:00:30", "11111", "5", "Arial") +
            section(2, "0:00:30", "11111", "5", "Arial\\big\\4\\65535"));
  for (int i : {0, 1}) {
    SCOPED_TRACE(i);
    choose(i);
    loop.advance(2000);
    EXPECT_EQ(shown(), "0:28");
    EXPECT_EQ(interaction.displaySelection, "Trebuchet MS\\300\\9\\12632256");
    EXPECT_EQ(interaction.Picture4.Font().size, 300);
    EXPECT_EQ(interaction.Picture4.ForeColor(), 0xFF0000u);
    EXPECT_TRUE(interaction.Timer1.Enabled());
    popupCommand(2);
  }
  EXPECT_TRUE(takeErrors().empty());
}

TEST_F(CountdownTest, AFailingClockMethodMovesTheStoredChoiceOn) {
  startWith(section(1, "0:01:00", "11111"));
  choose(0);
  popupCommand(1);
  // A banked time beyond the 32-bit range cannot be measured.
  interaction.elapsedMillis = 99999999999;
  popupCommand(1);
  loop.advance(1000);  // the first tick after a pause right at the start comes a second later
  EXPECT_EQ(programValues(app.platform).readInt32("clockmode"), 1);
  EXPECT_EQ(interaction.elapsedMillis, 0);
  EXPECT_EQ(shown(), "1:00");
}

}  // namespace
}  // namespace horalix::test
