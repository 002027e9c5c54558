// The headless loop's clocks and nested loops: tick count, local time, sleep, modal bounds, run.
#include <cstdint>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::LocalTime;
using platform::Timer;

using VirtualClock = HeadlessFixture;

TEST_F(VirtualClock, TickCountWrapsAndUnsignedElapsedStaysRight) {
  struct Case {
    std::uint32_t base;
    std::int64_t advance;
    std::uint32_t expectedTick;
  };
  const Case cases[] = {
      {0, 1500, 1500},
      {0x7FFFFC00u, 0x800, 0x80000400u},  // across 2^31: no sign trouble
      {0xFFFFFF00u, 0x100, 0},            // exactly at 2^32
      {0xFFFFF000u, 0x2000, 0x1000},      // across 2^32
      {0xFFFFFFFFu, 24LL * 3600 * 1000, 24u * 3600 * 1000 - 1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << std::hex << "base 0x" << c.base);
    loop.setTickBase(static_cast<std::uint32_t>(c.base - static_cast<std::uint32_t>(loop.now())));
    const std::uint32_t start = loop.tickCount();
    EXPECT_EQ(start, c.base);
    loop.advance(c.advance);
    EXPECT_EQ(loop.tickCount(), c.expectedTick);
    // Elapsed time as the program computes it: the difference modulo 2^32.
    EXPECT_EQ(static_cast<std::uint32_t>(loop.tickCount() - start),
              static_cast<std::uint32_t>(c.advance));
  }
}

TEST_F(VirtualClock, LocalTimeMovesAcrossMidnightAndDates) {
  struct Case {
    LocalTime start;
    std::int64_t advance;
    LocalTime expected;
  };
  const Case cases[] = {
      // dayOfWeek of the start is ignored: the loop works it out from the date.
      {{2024, 3, 4, 23, 59, 59, 500, 0}, 500, {2024, 3, 5, 0, 0, 0, 0, 2}},
      {{2023, 12, 31, 23, 0, 0, 0, 0}, 2 * 3600 * 1000, {2024, 1, 1, 1, 0, 0, 0, 1}},
      {{2024, 2, 28, 12, 0, 0, 0, 0}, 24LL * 3600 * 1000, {2024, 2, 29, 12, 0, 0, 0, 4}},
      {{2023, 2, 28, 12, 0, 0, 0, 0}, 24LL * 3600 * 1000, {2023, 3, 1, 12, 0, 0, 0, 3}},
      {{2024, 6, 1, 8, 30, 0, 0, 0}, 90 * 60 * 1000 + 1234, {2024, 6, 1, 10, 0, 1, 234, 6}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message()
                 << c.start.year << "-" << c.start.month << "-" << c.start.day);
    loop.setLocalTime(c.start);
    loop.advance(c.advance);
    const LocalTime t = loop.localTime();
    const LocalTime& e = c.expected;
    EXPECT_EQ((std::vector<int>{t.year, t.month, t.day, t.hour, t.minute, t.second, t.millisecond,
                                t.dayOfWeek}),
              (std::vector<int>{e.year, e.month, e.day, e.hour, e.minute, e.second, e.millisecond,
                                e.dayOfWeek}));
  }
  EXPECT_THROW(loop.setLocalTime({2023, 2, 29, 0, 0, 0, 0, 0}), std::invalid_argument);
  EXPECT_THROW(loop.setLocalTime({2023, 1, 1, 24, 0, 0, 0, 0}), std::invalid_argument);
}

TEST_F(VirtualClock, SleepMovesTimeWithoutDispatching) {
  int ticks = 0;
  Timer t(loop.timers(), "t", 100, true);
  t.onTick = [&] { ++ticks; };
  const std::uint32_t before = loop.tickCount();
  loop.sleep(1000);
  EXPECT_EQ(ticks, 0);
  EXPECT_EQ(loop.tickCount() - before, 1000u);
  loop.doEvents();
  EXPECT_EQ(ticks, 1);
  loop.doEvents();  // nothing more is due at this instant
  EXPECT_EQ(ticks, 1);
}

TEST_F(VirtualClock, ModalLoopRunsTheHookThenUntilClosed) {
  bool open = true;
  std::vector<std::string> hookSaw;
  Timer closer(loop.timers(), "closer", 2500, true);
  closer.onTick = [&] { open = false; };
  loop.onModal = [&](platform::HeadlessEventLoop& l, const std::string& what) {
    hookSaw.push_back(what);
    l.advance(1000);
  };
  loop.runModal([&] { return open; }, "window A");
  EXPECT_EQ(hookSaw, (std::vector<std::string>{"window A"}));
  EXPECT_EQ(loop.now(), 2500);
}

TEST_F(VirtualClock, ModalLoopThatCannotCloseFailsInsteadOfHanging) {
  EXPECT_THROW(loop.runModal([] { return true; }, "lonely window"), std::runtime_error);
  Timer clock(loop.timers(), "clock", 1000, true);
  loop.setModalLimit(60'000);
  try {
    loop.runModal([] { return true; }, "stuck window");
    ADD_FAILURE() << "the modal loop returned";
  } catch (const std::runtime_error& e) {
    EXPECT_NE(std::string(e.what()).find("stuck window"), std::string::npos);
  }
  EXPECT_LE(loop.now(), 61'000);
  EXPECT_EQ(loop.modalDepth(), 0);
}

TEST_F(VirtualClock, BusyWaitOnDoEventsFailsInsteadOfHanging) {
  EXPECT_THROW(
      {
        for (;;) loop.doEvents();
      },
      std::runtime_error);
}

TEST_F(VirtualClock, RunEndsAtQuitWhenIdleOrAtTheLimit) {
  EXPECT_EQ(loop.run(), 0);
  EXPECT_EQ(loop.lastRunEnd(), platform::RunEnd::Idle);

  loop.setRunLimit(10'000);
  Timer clock(loop.timers(), "clock", 1000, true);
  EXPECT_EQ(loop.run(), 0);
  EXPECT_EQ(loop.lastRunEnd(), platform::RunEnd::Limit);
  EXPECT_EQ(loop.now(), 10'000);

  clock.onTick = [&] {
    if (loop.now() == 13'000) loop.quit(3);
  };
  EXPECT_EQ(loop.run(), 3);
  EXPECT_EQ(loop.lastRunEnd(), platform::RunEnd::Quit);
  EXPECT_EQ(loop.now(), 13'000);
}

}  // namespace
}  // namespace horalix::test
