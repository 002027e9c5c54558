// The timer rules on the real message loop: the scheduler is shared with the headless backend,
// so these tests look at what the native side adds: ticks coming from WM_TIMER, re-entry
// through DoEvents and nested loops, quitting from inside them, and errors in handlers.
#include <windows.h>

#include <gtest/gtest.h>

#include <algorithm>
#include <stdexcept>
#include <string>
#include <vector>

#include "backend_fixture.h"
#include "platform/timer.h"

namespace horalix::win32::test {
namespace {

using platform::Timer;

TEST(Win32EventLoop, TimersDueTogetherTickInCreationOrder) {
  Backend b;
  std::vector<std::string> ticks;
  Timer first(b.loop.timers(), "first", 30);
  Timer second(b.loop.timers(), "second", 30);
  first.onTick = [&] { ticks.push_back("first"); };
  second.onTick = [&] { ticks.push_back("second"); };
  // Enabled in the other order: the due times are the same, creation order decides.
  second.setEnabled(true);
  first.setEnabled(true);
  ASSERT_TRUE(b.runUntil([&] { return ticks.size() >= 2; }));
  EXPECT_EQ(ticks[0], "first");
  EXPECT_EQ(ticks[1], "second");
}

TEST(Win32EventLoop, DoEventsRunsOtherTimersButNeverTheRunningOne) {
  Backend b;
  int depth = 0, deepest = 0, outerTicks = 0, otherTicksInside = 0;
  Timer outer(b.loop.timers(), "outer", 10);
  Timer other(b.loop.timers(), "other", 10);
  other.onTick = [&] {
    if (depth > 0) ++otherTicksInside;
  };
  outer.onTick = [&] {
    ++outerTicks;
    deepest = std::max(deepest, ++depth);
    // Stays in the handler well past its own next due time, letting messages run.
    for (int i = 0; i < 5; ++i) {
      b.loop.sleep(25);
      b.loop.doEvents();
    }
    --depth;
  };
  outer.setEnabled(true);
  other.setEnabled(true);
  ASSERT_TRUE(b.runUntil([&] { return outerTicks >= 2; }));
  EXPECT_EQ(deepest, 1);
  EXPECT_GT(otherTicksInside, 0);
}

TEST(Win32EventLoop, TimerDisabledByAnotherHandlerDoesNotTick) {
  Backend b;
  int firstTicks = 0, secondTicks = 0;
  Timer first(b.loop.timers(), "first", 20);
  Timer second(b.loop.timers(), "second", 20);
  first.onTick = [&] {
    ++firstTicks;
    second.setEnabled(false);
  };
  second.onTick = [&] { ++secondTicks; };
  first.setEnabled(true);
  second.setEnabled(true);
  ASSERT_TRUE(b.runUntil([&] { return firstTicks >= 3; }));
  EXPECT_EQ(secondTicks, 0);
}

TEST(Win32EventLoop, TimerEnabledInsideAHandlerGetsTheNativeTimerArmed) {
  Backend b;
  int lateTicks = 0;
  Timer starter(b.loop.timers(), "starter", 10);
  Timer late(b.loop.timers(), "late", 40);
  late.onTick = [&] { ++lateTicks; };
  starter.onTick = [&] {
    starter.setEnabled(false);
    late.setEnabled(true);
  };
  starter.setEnabled(true);
  // Nothing else posts messages: the tick comes only if the native timer follows the change.
  EXPECT_TRUE(b.runUntil([&] { return lateTicks > 0; }));
}

TEST(Win32EventLoop, QuitInsideANestedLoopEndsItAndTheMainLoop) {
  Backend b;
  bool nestedReturned = false;
  Timer opener(b.loop.timers(), "opener", 10, true);
  Timer quitter(b.loop.timers(), "quitter", 50, true);
  opener.onTick = [&] {
    opener.setEnabled(false);
    b.loop.runModal([] { return true; });  // a modal window that the user never closes
    nestedReturned = true;
  };
  quitter.onTick = [&] {
    quitter.setEnabled(false);
    b.loop.quit(7);
  };
  Timer limit(b.loop.timers(), "limit", 5000, true);
  limit.onTick = [&] { b.loop.quit(99); };
  EXPECT_EQ(b.loop.run(), 7);
  EXPECT_TRUE(nestedReturned);
}

TEST(Win32EventLoop, AHandlerThatThrowsIsLoggedAndTheTimerGoesOn) {
  Backend b;
  int ticks = 0;
  Timer failing(b.loop.timers(), "Frm_exit.Timer4", 10, true);
  failing.onTick = [&] {
    if (++ticks == 1) throw std::runtime_error("division by zero");
  };
  ASSERT_TRUE(b.runUntil([&] { return ticks >= 3; }));
  const std::string log = b.logText();
  EXPECT_NE(log.find("Frm_exit.Timer4"), std::string::npos) << log;
  EXPECT_NE(log.find("division by zero"), std::string::npos) << log;
}

TEST(Win32EventLoop, DoEventsDispatchesPostedMessagesOfThisThread) {
  Backend b;
  bool delivered = false;
  MessageWindow window(b.guard, L"test", [&](UINT msg, WPARAM, LPARAM) -> std::optional<LRESULT> {
    if (msg != WM_APP + 7) return std::nullopt;
    delivered = true;
    return 0;
  });
  PostMessageW(window.hwnd(), WM_APP + 7, 0, 0);
  b.loop.doEvents();
  EXPECT_TRUE(delivered);
}

}  // namespace
}  // namespace horalix::win32::test
