#include "bars/prompt_bar_text.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "main/main_window.h"
#include "prompt_bar_fixture.h"

namespace horalix::test {
namespace {

TEST(BarTimeTextTest, HoursMinutesAndSecondsAsThePresenterReadsThem) {
  struct Case {
    int ms;
    const char* text;
  };
  const Case cases[] = {
      {65000, "1分05秒"},       {9400, "9秒"},
      {3725000, "1时02分05秒"}, {60000, "1分00秒"},
      {59999, "59秒"},          {0, "0秒"},
      {12000, "12秒"},          {3600000, "1时00分00秒"},
      {45000, "45秒"},          {86399000, "23时59分59秒"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.ms);
    EXPECT_EQ(barTimeText(c.ms, barTimeOf(c.ms)), c.text);
  }
}

TEST(BarTimeTextTest, ADayOrMoreHasNoTimeOfDay) {
  EXPECT_ANY_THROW(barTimeOf(86400000));
  EXPECT_ANY_THROW(barTimeOf(-500));
}

TEST_F(PromptBarTest, FirstReminderShowsAtTheStoredPlaceCountsAndParksAfterItsDisplayTime) {
  storePosition(3000, 1500);
  ASSERT_EQ(app.settings.tellShowtime, 3);
  app.run.holdOff = 100;  // a hold-off that the start cancels
  // A default run at its first reminder: 60 seconds left, shown with the clock's 400 ms.
  askForBar("1", 60400);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩1分00秒");
  EXPECT_EQ(bar.Left(), 3000);
  EXPECT_EQ(bar.Top(), 1500);
  EXPECT_TRUE(fitsItsText(bar));
  EXPECT_TRUE(bar.Timer2.Enabled());
  EXPECT_TRUE(bar.Timer4.Enabled());
  EXPECT_FALSE(bar.Timer3.Enabled());
  EXPECT_EQ(app.run.holdOff, 0);

  struct Second {
    int ms;
    const char* caption;
    bool shown;
  };
  const Second seconds[] = {
      {59400, "您的发言还剩59秒", true},
      {58400, "您的发言还剩58秒", true},
      {57400, "您的发言还剩57秒", false},  // the third tick ends the display time
      {56400, "您的发言还剩57秒", false},  // parked: nothing more is written
  };
  for (const Second& s : seconds) {
    SCOPED_TRACE(s.ms);
    clockShows(s.ms);
    loop.advance(1000);
    EXPECT_EQ(bar.Label1.Caption(), s.caption);
    EXPECT_EQ(onScreen(bar), s.shown);
    if (s.shown) {
      EXPECT_TRUE(fitsItsText(bar));
    }
  }
  EXPECT_TRUE(parked(bar));
}

TEST_F(PromptBarTest, TheKeepOnTopRunRetopsTheBarFourTimesOneSecondApart) {
  auto retops = [&] { return forms.raiseCount("Frm_process"); };
  app.settings.tellShowtime = 10;
  askForBar("1", 60400);
  const int before = retops();
  loop.advance(500);  // the design interval, at the bar's first start
  EXPECT_EQ(retops(), before + 1);
  for (int tick = 2; tick <= 4; ++tick) {
    loop.advance(1000);
    EXPECT_EQ(retops(), before + tick);
  }
  EXPECT_FALSE(bar.Timer4.Enabled());
  loop.advance(3000);
  EXPECT_EQ(retops(), before + 4);
}

TEST_F(PromptBarTest, ZeroShowsTheTimeOverAndKeepsTheBarWhenSoSet) {
  struct Case {
    const char* showText;
    bool keepUntilEnd;  // checkvalue character 6
    const char* first;
    const char* later;  // after three ticks with 12 s over
    bool shownLater;
  };
  const Case cases[] = {
      {"", true, "您的发言超时0秒", "您的发言超时12秒", true},
      {"停", true, "停", "停", true},  // a text of a single character is shown alone too
      {"", false, "您的发言超时0秒", "您的发言超时12秒", false},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.first + std::string(c.keepUntilEnd ? " kept" : ""));
    app.settings.tellShowtext = c.showText;
    setOption(app.settings.checkvalue, CheckFlag::ContinuousReminder, c.keepUntilEnd);
    askForBar("4", 0);
    EXPECT_EQ(bar.Label1.Caption(), c.first);
    EXPECT_TRUE(onScreen(bar));
    for (int over = 10000; over <= 12000; over += 1000) {
      clockShows(over);
      loop.advance(1000);
    }
    EXPECT_EQ(bar.Label1.Caption(), c.later);
    EXPECT_EQ(onScreen(bar), c.shownLater);
    bar.tuichu();
  }
}

TEST_F(PromptBarTest, TheThirdReminderMayStayUntilZero) {
  app.settings.Time_three = 5;
  askForBar("3", 5400);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩5秒");
  EXPECT_EQ(bar.displayCounter(), 5);
  for (int left = 4400; left >= 1400; left -= 1000) {
    clockShows(left);
    loop.advance(1000);
    EXPECT_TRUE(onScreen(bar)) << left;
  }
  // Less than a second left: the bar goes at the same tick.
  clockShows(800);
  loop.advance(1000);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩0秒");
  EXPECT_TRUE(parked(bar));
}

TEST_F(PromptBarTest, AStageThatIsNoReminderParksTheBarWithoutShowingIt) {
  for (const char* stage : {"0", "5", "", "x"}) {
    SCOPED_TRACE(stage);
    const std::string caption = bar.Label1.Caption();
    askForBar(stage, 30400);
    EXPECT_TRUE(parked(bar));
    EXPECT_EQ(bar.Label1.Caption(), caption);
  }
  // Such a stage arriving while a reminder shows parks the bar at its next tick.
  askForBar("1", 60400);
  clock.alarmStage = static_cast<AlarmStage>(5);
  loop.advance(1000);
  EXPECT_TRUE(parked(bar));
}

TEST_F(PromptBarTest, ATickWithTheDisplayTimeRunOutParksWithoutANewCaption) {
  app.settings.tellShowtime = 0;
  askForBar("2", 30400);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩30秒");
  EXPECT_TRUE(onScreen(bar));
  clockShows(29400);
  loop.advance(1000);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩30秒");
  EXPECT_TRUE(parked(bar));
}

TEST_F(PromptBarTest, TheSettingsPreviewEndsByLettingTheDocumentWatchRunAgain) {
  main.Timer4.setEnabled(false);
  askForBar("7", 0);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩1分00秒");  // the first reminder's time
  loop.advance(1000);
  EXPECT_TRUE(onScreen(bar));
  EXPECT_FALSE(main.Timer4.Enabled());
  loop.advance(1000);
  EXPECT_TRUE(parked(bar));
  EXPECT_TRUE(main.Timer4.Enabled());
}

TEST_F(PromptBarTest, WithTheSecondScreenTheSecondBarGetsTheCaptionAndTheHide) {
  for (bool second : {false, true}) {
    SCOPED_TRACE(second);
    setSecondScreen(second);
    barTwo.setText("");
    askForBar("1", 60400);
    EXPECT_EQ(barTwo.Label1.Caption(), second ? "您的发言还剩1分00秒" : "");
    EXPECT_EQ(barTwo.Timer3.Enabled(), second);
    clockShows(59400);
    loop.advance(1000);
    EXPECT_EQ(barTwo.Label1.Caption(), second ? "您的发言还剩59秒" : "");
    EXPECT_EQ(barTwo.Timer2.Enabled(), second);
    barTwo.move(5000, 5000, barTwo.Width(), barTwo.Height());
    bar.tuichu();
    EXPECT_TRUE(parked(bar));
    // The second bar parks over the extended screen, right of the primary one.
    EXPECT_EQ(barTwo.Top() < 0, second);
    if (second) {
      EXPECT_EQ(barTwo.Top(), -barTwo.Height() - 5000);
      EXPECT_EQ(barTwo.Left(), screenWidth() + (screenWidth() - barTwo.Width()) / 2);
      EXPECT_FALSE(barTwo.Timer2.Enabled());
    }
  }
}

}  // namespace
}  // namespace horalix::test
