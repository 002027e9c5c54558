// The reminder's blink: its length in 450 ms half-periods, its blank halves, and the clock parked
// again after a reminder when the clocks are meant to stay hidden.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <initializer_list>
#include <optional>
#include <string>

#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class ReminderBlinkTest : public MainWindowTest {
 protected:
  bool faceBlank() {
    const auto& drawn = clock.Picture2.drawing();
    return std::none_of(drawn.begin(), drawn.end(), [](const platform::DrawOp& op) {
      return op.kind == platform::DrawOp::Kind::Text && !op.text.empty();
    });
  }
};

TEST_F(ReminderBlinkTest, TheBlinkRunsItsHalfPeriodsThenParksAHiddenClock) {
  struct Case {
    const char* flash;
    int count, hold;
    int ticks;   // until the blink stops: the counters are tested before they go down
    int blanks;  // ticks that left the face blank
  };
  const Case cases[] = {{"0", 0, 6, 7, 0}, {"1", 4, 4, 5, 2}, {"1", 0, 0, 1, 0}};
  start();
  clock.setCountMillis(60'000);
  clock.setFaceText("01:00");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.flash << " " << c.count << " " << c.hold);
    for (ClockWindow* w : std::initializer_list<ClockWindow*>{&clock, &mirror}) {
      w->move(1000, 1000, w->Width(), w->Height());
      w->sequencerStep = ClockWindow::SequencerStep::Park;
    }
    app.run.shownMillis = 60000;
    app.run.direction = CountDirection::Down;
    clock.stageFlashes = std::string(c.flash) == "1";
    clock.reminderPending = true;  // a reminder
    clock.faceShown = false;       // with the clocks hidden
    app.run.BlinkCount = c.count;
    app.run.BlinkHold = c.hold;
    clock.ShowStatue("01:00", 40);
    clock.Timer3.setEnabled(true);
    int ticks = 0, blanks = 0;
    while (clock.Timer3.Enabled() && ticks < 50) {
      loop.advance(450);
      ++ticks;
      if (faceBlank()) ++blanks;
    }
    EXPECT_EQ(ticks, c.ticks);
    EXPECT_EQ(blanks, c.blanks);
    EXPECT_FALSE(clock.stageFlashes);
    // The sequencer parks the clock (4), then settles (5, 3) and stops; the mirror's likewise.
    loop.advance(400);
    EXPECT_LT(clock.Left(), 0);
    EXPECT_LT(clock.Top(), 0);
    EXPECT_LT(mirror.Left(), 0);
    EXPECT_FALSE(clock.Timer2.Enabled());
  }
}

// An optvalue whose format characters are missing or not digits cannot give the time text; the
// blink still runs its count and stops, with no error left over.
TEST_F(ReminderBlinkTest, ABlinkWhoseTextCannotBeMadeStillEnds) {
  start();
  clock.setCountMillis(60'000);
  for (const char* optvalue : {"1", "", "10x100100", "513"}) {
    SCOPED_TRACE(optvalue);
    app.settings.optvalue = optvalue;
    clock.stageFlashes = true;
    clock.reminderPending = true;
    clock.faceShown = true;
    app.run.BlinkCount = 4;
    app.run.BlinkHold = 4;
    clock.Timer3.setEnabled(true);
    loop.advance(450 * 6);
    EXPECT_FALSE(clock.Timer3.Enabled()) << "the blink goes on";
    EXPECT_FALSE(clock.stageFlashes);
  }
}

TEST_F(ReminderBlinkTest, AClockPlacedByTheRunStartStaysOnScreenAfterTheReminder) {
  start();
  clock.move(1000, 1000, clock.Width(), clock.Height());
  clock.reminderPending = true;
  clock.faceShown = true;
  clock.sequencerStep = ClockWindow::SequencerStep::Park;
  app.run.BlinkCount = 0;
  app.run.BlinkHold = 2;
  clock.Timer3.setEnabled(true);
  loop.advance(5000);
  EXPECT_FALSE(clock.Timer3.Enabled());
  EXPECT_FALSE(clock.Timer2.Enabled());
  EXPECT_EQ(clock.Left(), 1000);
}

TEST_F(ReminderBlinkTest, TheSequencerArmsTheBlinkByStageAndPicksTheCountTimer) {
  struct Case {
    const char* stage;
    std::int32_t shownMillis;
    int count, hold;
    bool countDown;
    std::optional<CheckFlag> off = std::nullopt;
    std::int32_t timeEnd = 0;
  };
  // Defaults: tellShowtime 3, Time_three 5, time_end 0, every flash and continuous reminder on.
  const Case cases[] = {
      {"1", 60400, 6, 6, true},
      {"2", 30400, 6, 6, true},
      {"3", 5400, 10, 10, true},
      {"3", 800, 10, 10, false},
      {"4", 300, 0, 0, false},
      {"1", 1000, 6, 6, false},  // a second left is not more than a second
      {"1", 60400, 0, 6, true, CheckFlag::FlashAlarm1},
      {"3", 5400, 99, 99, true, CheckFlag::Alarm3},  // a stage switched off arms nothing
      // The zero reminder lasts its whole span, but flashes at most tellShowtime.
      {"4", 300, 6, 20, false, std::nullopt, 10},
  };
  start();
  const std::string defaults = app.settings.checkvalue;
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.stage << " " << c.shownMillis);
    app.settings.checkvalue = defaults;
    if (c.off) setOption(app.settings.checkvalue, *c.off, false);
    app.settings.time_end = c.timeEnd;
    app.run.BlinkCount = app.run.BlinkHold = 99;
    app.run.shownMillis = c.shownMillis;
    clock.alarmStage = static_cast<AlarmStage>(std::atoi(c.stage));
    clock.sequencerStep = ClockWindow::SequencerStep::Reminder;
    clock.Timer2.setEnabled(true);
    loop.advance(100);
    EXPECT_EQ(app.run.BlinkCount, c.count);
    EXPECT_EQ(app.run.BlinkHold, c.hold);
    EXPECT_EQ(clock.Timer1.Enabled(), c.countDown);
    EXPECT_EQ(clock.Timer4.Enabled(), !c.countDown);
    EXPECT_TRUE(clock.Timer3.Enabled());
    EXPECT_FALSE(clock.Timer2.Enabled());
    for (platform::Timer* t : {&clock.Timer1, &clock.Timer3, &clock.Timer4}) t->setEnabled(false);
  }
}

}  // namespace
}  // namespace horalix::test
