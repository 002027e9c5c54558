// The prompt bar in a whole default run: the clock's count-down asks for it at the reminder
// stages and the bar follows the clock's time.
#include <gtest/gtest.h>

#include <string>

#include "clock/floating_clock.h"
#include "main/timing_control.h"
#include "prompt_bar_fixture.h"

namespace horalix::test {
namespace {

TEST_F(PromptBarTest, ADefaultRunShowsTheBarAtTheFirstReminderAndFollowsTheClock) {
  for (const char* file : {"sounds\\start.wav", "sounds\\Timeout.wav", "sounds\\Stop.wav"}) {
    installFile(file);
  }
  storePosition(3000, 1500);
  clock.Timer5.setEnabled(true);
  runStart();
  StartTiming(app.mainNeeds);
  runStart();
  // Two and a half minutes, the first reminder at one minute left.
  while (!onScreen(bar) && loop.now() < 200'000) loop.advance(10);
  ASSERT_TRUE(onScreen(bar));
  EXPECT_EQ(clock.alarmStage, AlarmStage::Alarm1);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩1分00秒");
  EXPECT_EQ(bar.Left(), 3000);
  EXPECT_EQ(bar.Top(), 1500);
  loop.advance(1000);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩59秒");
  loop.advance(1000);
  EXPECT_EQ(bar.Label1.Caption(), "您的发言还剩58秒");
  EXPECT_TRUE(onScreen(bar));
  loop.advance(1000);
  EXPECT_TRUE(parked(bar));
}

}  // namespace
}  // namespace horalix::test
