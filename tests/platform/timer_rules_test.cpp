// The window timer rules, one by one, under virtual time.
#include <memory>
#include <stdexcept>
#include <string>
#include <vector>

#include "support/headless_fixture.h"

namespace horalix::test {
namespace {

using platform::Timer;
using Ticks = std::vector<std::int64_t>;

class TimerRules : public HeadlessFixture {
 protected:
  // A timer whose ticks are noted as virtual times (and, with a name, in the shared order).
  std::unique_ptr<Timer> make(const std::string& name, int interval, bool enabled, Ticks& ticks) {
    auto t = std::make_unique<Timer>(loop.timers(), name, interval, enabled);
    t->onTick = [this, &ticks, name] {
      ticks.push_back(loop.now());
      order.push_back(name);
    };
    return t;
  }
  std::vector<std::string> order;
};

TEST_F(TimerRules, FirstTickComesOneIntervalAfterEnabling) {
  struct Case {
    int interval;
    std::int64_t enableAt;
    Ticks expected;  // within the first 3000 ms
  };
  const Case cases[] = {
      {1000, 0, {1000, 2000, 3000}},
      {1000, 250, {1250, 2250}},
      {700, 1999, {2699}},
      {0, 0, {}},  // an interval of 0 never ticks
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(::testing::Message() << "interval " << c.interval << " enabled at " << c.enableAt);
    Ticks ticks;
    const std::int64_t start = loop.now();
    auto t = make("t", c.interval, false, ticks);
    loop.advance(c.enableAt);
    t->setEnabled(true);
    loop.advance(3000 - c.enableAt);
    for (auto& at : ticks) at -= start;
    EXPECT_EQ(ticks, c.expected);
  }
}

TEST_F(TimerRules, IntervalSurvivesDisableAndEnable) {
  Ticks ticks;
  auto t = make("t", 1000, true, ticks);
  loop.advance(1500);
  t->setEnabled(false);
  loop.advance(5000);
  EXPECT_EQ(t->Interval(), 1000);
  t->setEnabled(true);  // at 6500
  loop.advance(2000);
  EXPECT_EQ(ticks, (Ticks{1000, 7500, 8500}));
}

TEST_F(TimerRules, EnablingAnEnabledTimerDoesNotRestartIt) {
  Ticks ticks;
  auto t = make("t", 1000, true, ticks);
  loop.advance(700);
  t->setEnabled(true);
  loop.advance(800);
  EXPECT_EQ(ticks, (Ticks{1000}));
}

TEST_F(TimerRules, SettingIntervalReArmsFromNow) {
  struct Case {
    const char* name;
    bool insideTick;
    int newInterval;
    Ticks expected;  // within 4000 ms
  };
  const Case cases[] = {
      {"same value outside a tick", false, 1000, {1700, 2700, 3700}},
      {"longer outside a tick", false, 1500, {2200, 3700}},
      {"shorter inside the first tick",
       true,
       400,
       {1000, 1400, 1800, 2200, 2600, 3000, 3400, 3800}},
      {"longer inside the first tick", true, 2500, {1000, 3500}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    const std::int64_t start = loop.now();
    Ticks ticks;
    Timer t(loop.timers(), "t", 1000, true);
    t.onTick = [&] {
      ticks.push_back(loop.now() - start);
      if (c.insideTick && ticks.size() == 1) t.setInterval(c.newInterval);
    };
    if (!c.insideTick) {
      loop.advance(700);
      t.setInterval(c.newInterval);
    }
    loop.advance(4000 - (loop.now() - start));
    EXPECT_EQ(ticks, c.expected);
  }
}

TEST_F(TimerRules, OneShotTimerDisablesItselfAndCanBeArmedAgain) {
  Ticks ticks;
  Timer t(loop.timers(), "once", 300, true);
  t.onTick = [&] {
    ticks.push_back(loop.now());
    t.setEnabled(false);
  };
  loop.advance(2000);
  t.setEnabled(true);
  loop.advance(2000);
  EXPECT_EQ(ticks, (Ticks{300, 2300}));
}

TEST_F(TimerRules, OwnHandlerIsNotReEnteredThroughDoEvents) {
  Ticks slowTicks, otherTicks;
  int depth = 0, maxDepth = 0;
  Timer slow(loop.timers(), "slow", 100, true);
  auto other = make("other", 50, true, otherTicks);
  slow.onTick = [&] {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    slowTicks.push_back(loop.now());
    if (slowTicks.size() == 1) {
      // A long piece of work that lets messages through: its own tick falls due twice meanwhile.
      for (int i = 0; i < 5; ++i) {
        loop.sleep(60);
        loop.doEvents();
      }
    }
    --depth;
  };
  loop.advance(400);
  EXPECT_EQ(maxDepth, 1);
  // The other timer, due at 100 after slow in creation order, ran inside the work instead.
  EXPECT_EQ(otherTicks, (Ticks{50, 160, 220, 280, 340, 400}));
  // The overdue tick of slow waits until its handler returned, then fires once.
  EXPECT_EQ(slowTicks, (Ticks{100, 400}));
}

TEST_F(TimerRules, OwnHandlerIsNotReEnteredThroughAModalWindowWhileOthersRun) {
  Ticks showTicks, clockTicks;
  int depth = 0, maxDepth = 0;
  bool open = false;
  Timer shower(loop.timers(), "shower", 1000, true);
  Timer closer(loop.timers(), "closer", 3000, false);
  auto clock = make("clock", 500, true, clockTicks);
  closer.onTick = [&] {
    open = false;
    closer.setEnabled(false);
  };
  shower.onTick = [&] {
    ++depth;
    maxDepth = std::max(maxDepth, depth);
    showTicks.push_back(loop.now());
    if (showTicks.size() == 1) {
      open = true;
      closer.setEnabled(true);
      loop.runModal([&] { return open; }, "test window");
    }
    --depth;
  };
  loop.advance(4500);
  EXPECT_EQ(maxDepth, 1);
  // The modal window was open from 1000 to 4000; the clock kept ticking inside it.
  EXPECT_EQ(clockTicks, (Ticks{500, 1000, 1500, 2000, 2500, 3000, 3500, 4000, 4500}));
  EXPECT_EQ(showTicks, (Ticks{1000, 4000}));
}

TEST_F(TimerRules, OverdueTicksAreCoalescedAfterASleep) {
  Ticks a, b;
  auto ta = make("a", 100, true, a);
  auto tb = make("b", 1000, true, b);
  loop.sleep(5050);
  EXPECT_TRUE(a.empty());
  loop.doEvents();
  EXPECT_EQ(a, (Ticks{5050}));
  EXPECT_EQ(b, (Ticks{5050}));
  // The next tick counts from the late one.
  loop.advance(100);
  EXPECT_EQ(a, (Ticks{5050, 5150}));
}

TEST_F(TimerRules, TimersDueAtTheSameInstantRunInCreationOrder) {
  Ticks ticks;
  auto c = make("c", 300, true, ticks);
  auto a = make("a", 100, true, ticks);
  auto b = make("b", 150, true, ticks);
  loop.advance(300);
  EXPECT_EQ(order, (std::vector<std::string>{"a", "b", "a", "c", "a", "b"}));
}

TEST_F(TimerRules, TimerDisabledOrDestroyedByAnEarlierHandlerDoesNotFire) {
  struct Case {
    const char* name;
    bool destroy, reEnable;
    std::vector<std::string> expected;
  };
  const Case cases[] = {
      {"disabled", false, false, {"first", "first"}},
      {"disabled and enabled again", false, true, {"first", "first", "second"}},
      {"destroyed", true, false, {"first", "first"}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    order.clear();
    Ticks ticks;
    const std::int64_t start = loop.now();
    auto first = make("first", 1000, true, ticks);
    auto second = make("second", 1000, true, ticks);
    first->onTick = [&] {
      order.push_back("first");
      if (loop.now() - start != 1000) return;
      if (c.destroy) {
        second.reset();
      } else {
        second->setEnabled(false);
        if (c.reEnable) second->setEnabled(true);  // re-armed: next due at 2000
      }
    };
    loop.advance(2000);
    EXPECT_EQ(order, c.expected);
  }
}

TEST_F(TimerRules, TimerDestroyedInItsOwnHandler) {
  Ticks ticks, others;
  auto other = make("other", 100, true, others);
  auto self = std::make_unique<Timer>(loop.timers(), "self", 100, true);
  std::string seen;
  self->onTick = [&, label = std::string(64, 'x')] {
    self.reset();
    // The handler still runs to its end on its own captures after the timer is gone.
    seen = label;
  };
  loop.advance(300);
  EXPECT_EQ(self, nullptr);
  EXPECT_EQ(seen, std::string(64, 'x'));
  EXPECT_EQ(others, (Ticks{100, 200, 300}));
}

TEST_F(TimerRules, HandlerErrorIsLoggedAndTheLoopGoesOn) {
  Ticks failing, healthy;
  Timer bad(loop.timers(), "Frm_main.Timer1", 200, true);
  bad.onTick = [&] {
    failing.push_back(loop.now());
    if (failing.size() == 1) throw std::runtime_error("Overflow");
    throw 42;
  };
  auto good = make("good", 200, true, healthy);
  loop.advance(400);
  EXPECT_EQ(failing, (Ticks{200, 400}));
  EXPECT_EQ(healthy, (Ticks{200, 400}));
  const auto errors = takeErrors();
  ASSERT_EQ(errors.size(), 2u);
  EXPECT_EQ(errors[0].where, "Frm_main.Timer1");
  EXPECT_EQ(errors[0].what, "Overflow");
  EXPECT_EQ(errors[0].at, 200);
  EXPECT_EQ(errors[1].what, "unknown error");
}

}  // namespace
}  // namespace horalix::test
