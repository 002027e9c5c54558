// The prompt bar's display time by stage: the last second of the run, the options that keep it at
// the third reminder and at zero, and values too large for the bar's counters.
#include <gtest/gtest.h>

#include <string>

#include "prompt_bar_fixture.h"
#include "services/option_names.h"

namespace horalix::test {
namespace {

class PromptBarRulesTest : public PromptBarTest {
 protected:
  void setKeepOptions(bool c1, bool c4, bool c6) {
    setOption(app.settings.checkvalue, CheckFlag::TimedDuration, c1);
    setOption(app.settings.checkvalue, CheckFlag::Alarm3, c4);
    setOption(app.settings.checkvalue, CheckFlag::ContinuousReminder, c6);
  }
};

TEST_F(PromptBarRulesTest, AReminderBarLeavesWithTheLastSecondOfTheRun) {
  app.settings.tellShowtime = 10;
  setKeepOptions(true, true, false);
  for (const char* stage : {"1", "2", "3"}) {
    SCOPED_TRACE(stage);
    askForBar(stage, 3400);
    clockShows(2400);
    loop.advance(1000);
    EXPECT_TRUE(onScreen(bar)) << "display time left";
    clockShows(999);
    loop.advance(1000);
    EXPECT_TRUE(parked(bar)) << "less than a second of the run left";
  }
}

TEST_F(PromptBarRulesTest, TheThirdReminderKeepsTheBarOnlyWithAllThreeOptions) {
  app.settings.tellShowtime = 3;
  app.settings.Time_three = 5;
  struct Case {
    bool c1, c4, c6;
    int counter;
  };
  for (const Case& c : {Case{true, true, true, 5}, Case{false, true, true, 3},
                        Case{true, false, true, 3}, Case{true, true, false, 3}}) {
    setKeepOptions(c.c1, c.c4, c.c6);
    askForBar("3", 5400);
    EXPECT_EQ(bar.displayCounter(), c.counter) << c.c1 << c.c4 << c.c6;
    bar.tuichu();
  }
}

TEST_F(PromptBarRulesTest, AtZeroTheBarStaysUnlessTimingIsOnWithoutTheKeepOption) {
  app.settings.tellShowtime = 2;
  struct Case {
    bool c1, c6;
    bool stays;
  };
  for (const Case& c : {Case{true, true, true}, Case{true, false, false}, Case{false, true, true},
                        Case{false, false, true}}) {
    setKeepOptions(c.c1, true, c.c6);
    askForBar("4", 0);
    bool afterFirstTick = false;
    for (int over = 1000; over <= 4000; over += 1000) {
      clockShows(over);
      loop.advance(1000);
      if (over == 1000) afterFirstTick = onScreen(bar);
    }
    EXPECT_TRUE(afterFirstTick) << "shown for its display time";
    EXPECT_EQ(onScreen(bar), c.stays) << c.c1 << c.c6;
    bar.tuichu();
  }
}

TEST_F(PromptBarRulesTest, AThirdReminderLongerThanTheCounterKeepsTheDisplayTime) {
  app.settings.tellShowtime = 3;
  app.settings.Time_three = 40000;  // beyond the counter's range: that step alone fails
  setKeepOptions(true, true, true);
  askForBar("3", 40'000'400);
  takeErrors();
  EXPECT_EQ(bar.displayCounter(), 3) << "not a wrapped negative count";
  clockShows(39'999'400);
  loop.advance(1000);
  EXPECT_TRUE(onScreen(bar));
}

TEST_F(PromptBarRulesTest, ALongReminderShowsItsTimeNotAWrappedNumber) {
  app.settings.Time_one = 3'000'000;  // 34 days and 17:20:00
  askForBar("1", 60400);
  takeErrors();
  const std::string caption = bar.Label1.Caption();
  EXPECT_EQ(caption.find('-'), std::string::npos) << caption;
  EXPECT_TRUE(caption.starts_with("您的发言还剩")) << caption;
  EXPECT_TRUE(caption.ends_with("秒")) << caption;
}

}  // namespace
}  // namespace horalix::test
