#include "main/timing_control.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>

#include "settings/settings_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class TimingControlTest : public MainWindowTest {
 protected:
  // A manual run that counts down, its run start done.
  void startCounting() {
    StartTiming(app.mainNeeds);
    runStart();
    mirrorRunStart();
  }
};

TEST_F(TimingControlTest, StartPauseResumeAndStopMoveThroughTheRunStates) {
  struct Step {
    const char* what;
    std::function<void(MainNeeds&)> action;
    bool startEnabled;
    const char* pauseCaption;
    bool stopEnabled;
    bool counting;
  };
  const Step steps[] = {
      {"idle after launch", [](MainNeeds&) {}, true, "暂停        Ctrl+F2", false, false},
      {"start", StartTiming, false, "暂停        Ctrl+F2", true, true},
      {"pause", PauseResume, false, "继续        Ctrl+F2", true, false},
      {"resume", PauseResume, false, "暂停        Ctrl+F2", true, true},
      {"pause again", PauseResume, false, "继续        Ctrl+F2", true, false},
      {"stop", StopTiming, true, "暂停        Ctrl+F2", false, true},
  };
  start();
  giveHotKey("pause", "Ctrl+F2");
  clock.Timer5.setEnabled(true);  // the clock's run start at launch, with no run bound
  for (const Step& step : steps) {
    SCOPED_TRACE(step.what);
    step.action(app.mainNeeds);
    runStart();
    EXPECT_EQ(main.menu_one(1).Enabled(), step.startEnabled);
    EXPECT_EQ(main.menu_one(2).Caption(), step.pauseCaption);
    EXPECT_EQ(main.menu_one(3).Enabled(), step.stopEnabled);
    EXPECT_EQ(clock.Timer1.Enabled(), step.counting);
    EXPECT_FALSE(clock.Timer4.Enabled());
  }
  // The stop leaves the count to the clock's next tick, which finds the run unbound.
  EXPECT_EQ(app.run.binding.text(), "");
  EXPECT_TRUE(main.Timer4.Enabled()) << "the document watch takes over again";
}

TEST_F(TimingControlTest, AManualStartResetsTheRunRecordAndRestsTheWatchers) {
  start();
  app.settings.Time_all = 150.0 / 86400;
  app.run.record.pausedMs = 5000;
  app.run.countedDownMs = 42;
  app.run.startSoundArmed = false;
  app.run.shownMillis = 1234;
  main.Timer5.setEnabled(true);
  app.settingsWindow().Show();
  app.run.openToolWindow = OpenWindow::Settings;
  desktop.setFullScreenArea({0, 0, 1280, 690});  // a projector came on since the launch
  StartTiming(app.mainNeeds);
  EXPECT_FALSE(app.settingsWindow().loaded()) << "also when started by its hot key";
  EXPECT_EQ(app.run.ScreenWidthPx, 1280);
  EXPECT_EQ(app.run.ScreenHeightPx, 690);
  EXPECT_EQ(app.run.direction, CountDirection::Down);
  EXPECT_EQ(app.run.binding.text(), "手动计时");
  EXPECT_EQ(app.run.record.setTime, "00:02:30");
  EXPECT_EQ(app.run.record.pausedMs, 0);
  EXPECT_EQ(app.run.record.document, "手动计时");
  EXPECT_EQ(app.run.countedDownMs, 0);
  EXPECT_TRUE(app.run.startSoundArmed);
  EXPECT_EQ(app.run.shownMillis, 0);
  EXPECT_FALSE(main.Timer4.Enabled());
  EXPECT_FALSE(main.Timer5.Enabled());
  EXPECT_TRUE(clock.Timer5.Enabled());
}

TEST_F(TimingControlTest, StartWhileARunGoesChangesNothingNotEvenTheToolWindow) {
  start();
  startCounting();
  app.run.binding.bindDocument("report.docx");
  app.settingsWindow().Show();
  app.run.openToolWindow = OpenWindow::Settings;
  StartTiming(app.mainNeeds);
  EXPECT_TRUE(app.settingsWindow().loaded());
  EXPECT_EQ(app.run.binding.text(), "report.docx");
  EXPECT_FALSE(clock.Timer5.Enabled());
}

TEST_F(TimingControlTest, APauseAddsThePausedSpanByEveryClockMethod) {
  struct Case {
    ClockMethod method;
    std::uint32_t tickBase;
    double paused;
  };
  const Case cases[] = {
      {ClockMethod::TickCount, 10'000'000, 20000},
      {ClockMethod::TickCount, 0xFFFF'F000u, 20000},  // the tick count wraps during the pause
      {ClockMethod::SecondsSinceMidnight, 10'000'000, 20000},  // midnight passes during the pause
      {ClockMethod::TimeOfDay, 10'000'000, 20000},
      {RunState{}.method, 10'000'000, 20000},        // a fresh run state measures by the tick count
      {static_cast<ClockMethod>(7), 10'000'000, 0},  // an unknown method takes no marks
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE("method " + std::to_string(static_cast<int>(c.method)) + ", tick base " +
                 std::to_string(c.tickBase));
    loop.setTickBase(c.tickBase - static_cast<std::uint32_t>(loop.now()));
    loop.setLocalTime({2024, 3, 1, 23, 59, 49, 700});
    app.run.method = c.method;
    startCounting();
    loop.advance(300);  // 23:59:50.000
    PauseResume(app.mainNeeds);
    loop.advance(20'000);  // 00:00:10.000
    PauseResume(app.mainNeeds);
    EXPECT_EQ(app.run.record.pausedMs, c.paused);
    StopTiming(app.mainNeeds);
  }
}

TEST_F(TimingControlTest, APauseBanksTheTotalOfItsDirection) {
  start();
  setSecondScreen(true);
  startCounting();
  mirror.Timer1.setEnabled(true);
  app.run.countedDownMs = 4200;
  app.run.record.bankedUpMs = 77;
  PauseResume(app.mainNeeds);
  EXPECT_EQ(app.run.record.bankedDownMs, 4200);
  EXPECT_EQ(app.run.record.bankedUpMs, 0);
  EXPECT_FALSE(app.run.startSoundArmed) << "the resumed run start plays no start sound";
  EXPECT_FALSE(clock.Timer1.Enabled());
  EXPECT_FALSE(mirror.Timer1.Enabled()) << "the mirror pauses with the clock";
  PauseResume(app.mainNeeds);
  EXPECT_TRUE(clock.Timer1.Enabled());
  EXPECT_TRUE(mirror.Timer1.Enabled());

  // Counting up: the count-up total is banked and the count-down's stays.
  app.run.direction = CountDirection::Up;
  clock.Timer1.setEnabled(false);
  clock.Timer4.setEnabled(true);
  app.run.countedUpMs = 3000;
  PauseResume(app.mainNeeds);
  EXPECT_EQ(app.run.record.bankedDownMs, 4200);
  EXPECT_EQ(app.run.record.bankedUpMs, 3000);
  EXPECT_FALSE(clock.Timer4.Enabled());
}

TEST_F(TimingControlTest, PauseNeedsABoundRunAndPausingAllowed) {
  RunState::Binding manual, cleared, document, shortName;
  manual.bindManual();
  cleared.unbind();
  document.bindDocument("talk.pptx");
  // A document name of three characters binds the run like any other.
  shortName.bindDocument("a.x");
  struct Case {
    const char* what;
    RunState::Binding binding;
    bool pauseAllowed;
    bool pauses;
  };
  const Case cases[] = {
      {"manual", manual, true, true},   {"manual, no pausing", manual, false, false},
      {"never bound", {}, true, false}, {"cleared", cleared, true, false},
      {"a.x", shortName, true, true},   {"talk.pptx", document, true, true},
  };
  start();
  app.run.direction = CountDirection::Down;
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app.run.paused = false;
    main.paintMenus();
    app.run.startSoundArmed = true;
    clock.Timer1.setEnabled(true);
    app.run.binding = c.binding;
    setOption(app.settings.checkvalue, CheckFlag::PauseAllowed, c.pauseAllowed);
    PauseResume(app.mainNeeds);
    EXPECT_TRUE(main.menu_one(2).Caption().starts_with(c.pauses ? "继续" : "暂停"));
    EXPECT_EQ(clock.Timer1.Enabled(), !c.pauses);
    EXPECT_EQ(app.run.startSoundArmed, !c.pauses);
  }
}

TEST_F(TimingControlTest, StoppingAPausedRunRecordsItsPauseFirst) {
  start();
  app.run.method = ClockMethod::TickCount;
  startCounting();
  PauseResume(app.mainNeeds);
  loop.advance(5000);
  StopTiming(app.mainNeeds);
  EXPECT_EQ(app.run.record.pausedMs, 5000);
  EXPECT_TRUE(main.menu_one(2).Caption().starts_with("暂停"));
  EXPECT_TRUE(clock.Timer1.Enabled()) << "resumed, so that the next tick ends the run";
  EXPECT_EQ(app.run.binding.text(), "");
}

TEST_F(TimingControlTest, AStopClosesTheToolWindowAndBringsTheClocksBack) {
  start();
  startCounting();
  app.settingsWindow().Show();
  app.run.openToolWindow = OpenWindow::Settings;
  setOption(app.settings.checkvalue, CheckFlag::PauseAllowed, false);
  clock.park();
  StopTiming(app.mainNeeds);
  EXPECT_FALSE(app.settingsWindow().loaded());
  EXPECT_FALSE(main.menu_one(2).Visible()) << "pausing is not allowed";
  EXPECT_GT(clock.Left(), 0) << "the clocks are shown at their place again";
}

TEST_F(TimingControlTest, StopWithStopDisabledChangesNothing) {
  start();
  app.run.binding.bindDocument("talk.pptx");
  app.run.offers.stop.enabled = false;
  StopTiming(app.mainNeeds);
  EXPECT_EQ(app.run.binding.text(), "talk.pptx");
}

}  // namespace
}  // namespace horalix::test
