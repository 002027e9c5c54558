// The clock's measure of the running count by the three clock methods, with the move to the
// next method when one fails, and the text it makes of a count in each format.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>

#include "services/runtime_error.h"
#include "services/time_value.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class TimeTextTest : public MainWindowTest {
 protected:
  std::optional<platform::RegData> clockmode() {
    return registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "clockmode");
  }
};

TEST_F(TimeTextTest, ElapsedTimeByEachClockMethod) {
  struct Case {
    const char* what;
    ClockMethod method;
    platform::LocalTime startAt;  // the clock when the segment starts
    std::int64_t after;           // virtual ms until the measure
    double banked;
    const char* name;
    std::int32_t elapsed;
  };
  const Case cases[] = {
      {"tick count", ClockMethod::TickCount, {2026, 3, 1, 10, 0, 0, 0}, 2'500, 0, "Timer1", 2'500},
      {"banked count-down",
       RunState{}.method,
       {2026, 3, 1, 10, 0, 0, 0},
       2'500,
       700,
       "Timer1",
       3'200},
      {"count-up bank",
       ClockMethod::TickCount,
       {2026, 3, 1, 10, 0, 0, 0},
       1'000,
       50,
       "Timer4",
       1'050},
      {"ms since midnight across it",
       ClockMethod::SecondsSinceMidnight,
       {2026, 3, 1, 23, 59, 59, 500},
       800,
       0,
       "Timer1",
       800},
      {"time of day across midnight",
       ClockMethod::TimeOfDay,
       {2026, 3, 1, 23, 59, 50, 0},
       20'000,
       100,
       "Timer1",
       20'100},
      {"whole seconds only",
       ClockMethod::TimeOfDay,
       {2026, 3, 1, 10, 0, 0, 900},
       200,
       0,
       "Timer1",
       1'000},
      {"lower-case name", ClockMethod::TickCount, {2026, 3, 1, 10, 0, 0, 0}, 1'000, 0, "timer1", 0},
      {"no name", ClockMethod::TickCount, {2026, 3, 1, 10, 0, 0, 0}, 1'000, 0, "", 0},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    loop.setLocalTime(c.startAt);
    app.run.method = c.method;
    double& bank =
        std::string(c.name) == "Timer4" ? app.run.record.bankedUpMs : app.run.record.bankedDownMs;
    app.run.record.bankedDownMs = 0;
    app.run.record.bankedUpMs = 0;
    bank = c.banked;
    clock.Timer5.setEnabled(true);  // the run starts take the mark
    runStart();
    mirrorRunStart();
    bank = c.banked;
    loop.advance(c.after);
    EXPECT_EQ(clock.remaintime(c.name), c.elapsed);
  }
  EXPECT_FALSE(clockmode()) << "no method failed";
}

TEST_F(TimeTextTest, AFailedMeasureReturnsWhatItHadAndMovesTheMethodOnButNotPastTheLast) {
  start();
  struct Case {
    ClockMethod method;
    double banked;
    const char* startText;
    std::optional<std::int32_t> storedAfter;
  };
  const Case cases[] = {
      {ClockMethod::TickCount, 3e9, "10:00:00", 1},  // the sum does not fit 32 bits
      {ClockMethod::SecondsSinceMidnight, 3e9, "10:00:00", 2},
      {ClockMethod::TimeOfDay, 0, "not a time", std::nullopt},  // the last method stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.method));
    registry.deleteValue(platform::RegRoot::CurrentUser, "Vantrel", "clockmode");
    app.run.method = c.method;
    app.run.record.bankedDownMs = c.banked;
    clock.setSegmentStart(c.startText);
    EXPECT_EQ(clock.remaintime("Timer1"), 0);
    if (c.storedAfter) {
      ASSERT_TRUE(clockmode());
      EXPECT_EQ(*clockmode(), platform::regDwordData(*c.storedAfter));
    } else {
      EXPECT_FALSE(clockmode());
    }
  }
}

TEST_F(TimeTextTest, TheCountInEachFormatWithTheOvertimePrefix) {
  struct Case {
    const char* optvalue;
    const char* count;
    CountDirection direction;
    const char* prefix;
    const char* shown;
  };
  const Case cases[] = {
      {"100100100", "00:02:30", CountDirection::Down, "", "02:30"},
      {"100100100", "01:30:05", CountDirection::Down, "", "90:05"},
      {"101000100", "00:02:30", CountDirection::Down, "", "150"},
      {"101000100", "00:00:05", CountDirection::Down, "", "5"},
      {"100010100", "00:01:07", CountDirection::Up, "超时", "超时00:01:07"},
      {"101000100", "00:01:07", CountDirection::Up, "-", "-67"},
      {"100100100", "00:01:07", CountDirection::Up, "", "01:07"},
      // no prefix while counting down
      {"100100100", "00:02:30", CountDirection::Down, "-", "02:30"},
      {"101010100", "00:02:30", CountDirection::Down, "", "00:02:30"},  // 3 and 5: the last wins
      {"100001100", "00:02:30", CountDirection::Down, "", "00:02:30"},  // days are not read here
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.optvalue) + " " + c.count);
    app.settings.optvalue = c.optvalue;
    clock.setCountMillis(durationSeconds(c.count) * 1000);
    clock.bringIntoView(ClockWindow::FaceView::Count);
    app.run.direction = c.direction;
    app.run.OvertimePrefix = c.prefix;
    clock.Label_change();
    EXPECT_EQ(clock.faceText(), c.shown);
  }
}

// The clock holds its count as a time, whatever format it was first shown in: a text update
// before the first tick shows the set time in each format. A count of a day or more has no time
// of day to show, and the face keeps its text.
TEST_F(TimeTextTest, TheFirstCountInEachFormatAndACountOfADay) {
  start();
  struct Case {
    const char* optvalue;
    const char* shown;
  };
  const Case cases[] = {{"100100100", "02:30"}, {"101000100", "150"}, {"100010100", "00:02:30"}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.optvalue);
    app.settings.optvalue = c.optvalue;
    app.settings.Time_all = 150.0 / 86400;
    clock.Timer5.setEnabled(true);
    runStart();
    clock.setFaceText("");
    clock.Label_change();
    EXPECT_EQ(clock.faceText(), c.shown);
  }
  clock.setCountMillis(86'400'000);
  EXPECT_THROW(clock.Label_change(), RuntimeError);
  EXPECT_EQ(clock.faceText(), "00:02:30");
  clock.setCountMillis(86'399'000);
  clock.Label_change();
  EXPECT_EQ(clock.faceText(), "23:59:59");
}

TEST_F(TimeTextTest, TheTimeOfDayViewAndTheMirror) {
  start();
  loop.setLocalTime({2026, 3, 1, 9, 5, 7, 0});
  clock.bringIntoView(ClockWindow::FaceView::TimeOfDay);
  app.run.direction = CountDirection::Up;
  app.run.OvertimePrefix = "超时";
  app.settings.optvalue = "100100100";
  clock.Label_change();
  EXPECT_EQ(clock.faceText(), "09:05");
  app.settings.optvalue = "100010100";
  clock.Label_change();
  EXPECT_EQ(clock.faceText(), "09:05:07");

  // The mirror draws the same text larger by the configured amount, only with the extended
  // screen in use.
  clock.MirrorSizeAdd = 20;
  setSecondScreen(false);
  mirror.ShowStatue("", 10);
  clock.Label_change();
  EXPECT_EQ(controlNamed(mirror, "Picture2").Font().size, 10);
  setSecondScreen(true);
  clock.Label_change();
  const int size = static_cast<int>(controlNamed(clock, "Picture2").Font().size);
  EXPECT_EQ(controlNamed(mirror, "Picture2").Font().size, size + 20);
}

}  // namespace
}  // namespace horalix::test
