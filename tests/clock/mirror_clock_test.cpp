// The mirror clock on the extended screen in virtual time: the same text as the floating clock at
// every tick, its own reminder stages and zero branches (with the floating clock's count held
// back where a rule of the mirror alone is tested), the overtime limit, its place on the
// extended screen and its parking, a pause under the time-of-day method, and its mouse.
#include <gtest/gtest.h>

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "bars/prompt_bar.h"
#include "main/timing_control.h"
#include "services/display_format.h"
#include "services/ini_read_write.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/program_folder.h"
#include "services/program_values.h"
#include "services/variant.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

// The primary screen's full-screen area in twips: 1920 x 1017 pixels at 15 twips a pixel.
constexpr int W = 1920 * 15;
constexpr int H = 1017 * 15;

class MirrorClockTest : public MainWindowTest {
 protected:
  MirrorClockTest() {
    for (const char* file : {"sounds\\start.wav", "sounds\\Timeout.wav", "sounds\\Stop.wav"}) {
      installFile(file);
    }
  }

  // The program started, the clocks prepared idle as at launch, the extended screen's prompt
  // bar's start replaced by a recorder of the mirror's stage it was asked for. The primary bar
  // does not start, so that only the mirror asks for the second bar.
  void launch(bool secondScreen = true) {
    start();
    setSecondScreen(secondScreen);
    clock.Timer5.setEnabled(true);
    runStart();
    mirrorRunStart();
    PromptBar& bar = app.promptBar();
    bar.Timer3.onTick = [&bar] { bar.Timer3.setEnabled(false); };
    PromptBar& barTwo = app.secondPromptBar();
    barTwo.Timer3.onTick = [this, &barTwo] {
      barTwo.Timer3.setEnabled(false);
      barTwoStarts.push_back(std::to_string(static_cast<int>(mirror.alarmStage)));
    };
  }
  void startRun() {
    StartTiming(app.mainNeeds);
    runStart();
    mirrorRunStart();
  }
  // A run of `seconds` without reminder stages, counted by the mirror alone: the floating
  // clock's count is held back, so that only the mirror's own rules act.
  void startMirrorAlone(int seconds) {
    app.settings.Time_all = seconds / 86400.0;
    app.settings.Time_one = app.settings.Time_two = app.settings.Time_three = 0;
    startRun();
    clock.Timer1.setEnabled(false);
  }
  void writeIni(const std::string& section, const std::string& key, const std::string& value) {
    IniReadWrite(files, "write", iniPath(app.platform), section, key, value);
  }
  // A run of 40 s with its reminders at 30, 20 and 10 s left.
  void startStagedRun() {
    launch();
    app.settings.Time_all = 40.0 / 86400;
    app.settings.Time_one = 30;
    app.settings.Time_two = 20;
    app.settings.Time_three = 10;
    startRun();
  }
  bool countTimersOff() {
    return !mirror.Timer1.Enabled() && !mirror.Timer2.Enabled() && !mirror.Timer3.Enabled() &&
           !mirror.Timer4.Enabled();
  }

  std::vector<std::string> barTwoStarts;
};

TEST_F(MirrorClockTest, BothFacesShowTheSameTextAtEveryTickThroughStagesZeroAndOvertime) {
  startStagedRun();
  EXPECT_EQ(drawnText(mirror), "00:40");
  int compared = 0;
  for (int step = 0; step < 250; ++step) {  // 50 s: the stages, zero and 10 s of overtime
    loop.advance(200);
    const std::string main = drawnText(clock), two = drawnText(mirror);
    // A blink blanks the floating clock's face from 2000 ms of the count on, the mirror's from
    // 3000 ms: a blank half is not compared.
    if (main.empty() || two.empty()) continue;
    ++compared;
    ASSERT_EQ(two, main) << "at step " << step;
  }
  EXPECT_GT(compared, 200);
  EXPECT_EQ(drawnText(mirror), drawnText(clock));
  EXPECT_TRUE(mirror.Timer4.Enabled()) << "the mirror counts the overtime";
  EXPECT_GE(mirror.Left(), W) << "on the extended screen";
}

// What reads windows instead of pixels (a screen reader, the Wine tests) finds each clock's text
// as its window's own text: the text printed on its face at every tick, none while a blink
// leaves the face blank.
TEST_F(MirrorClockTest, EachClockWindowsOwnTextIsTheTextOnItsFace) {
  startStagedRun();
  struct Watched {
    ClockWindow* window;
    std::vector<std::string> texts;  // the window's texts, each once, in order
    int blankHalves = 0;
  };
  Watched watched[] = {{&clock, {}, 0}, {&mirror, {}, 0}};
  for (int step = 0; step < 250; ++step) {  // 50 s: the stages, zero and 10 s of overtime
    for (Watched& w : watched) {
      const std::string& text = w.window->Caption();
      ASSERT_EQ(text, drawnText(*w.window)) << w.window->name() << " at step " << step;
      if (text.empty()) ++w.blankHalves;
      if (w.texts.empty() || w.texts.back() != text) w.texts.push_back(text);
    }
    loop.advance(200);
  }
  for (const Watched& w : watched) {
    SCOPED_TRACE(w.window->name());
    EXPECT_GT(w.blankHalves, 0) << "a blink blanked the face";
    EXPECT_EQ(w.texts.front(), "00:40");
    EXPECT_GT(w.texts.size(), 40U) << "the text follows the count down and through the overtime";
  }
}

TEST_F(MirrorClockTest, EachStageAlertsTheMirrorAndShowsTheSecondBarByItsOwnFlags) {
  struct Case {
    const char* what;
    std::optional<CheckFlag> off;      // checkvalue character switched off
    std::vector<std::string> bars;     // stages for which the second bar was asked
    std::vector<std::string> flashes;  // stages that set the mirror's flash flag
    std::vector<std::string> alerts;   // stages that sent the mirror's sequencer on
  };
  const Case cases[] = {
      {"all on", std::nullopt, {"1", "2", "3"}, {"1", "2", "3"}, {"1", "2", "3"}},
      {"stage 2 off", CheckFlag::Alarm2, {"1", "3"}, {"1", "3"}, {"1", "3"}},
      {"no bar at stage 1", CheckFlag::BarAlarm1, {"2", "3"}, {"1", "2", "3"}, {"1", "2", "3"}},
      {"stage 3 does not flash",
       CheckFlag::FlashAlarm3,
       {"1", "2", "3"},
       {"1", "2"},
       {"1", "2", "3"}},
      {"reminders off", CheckFlag::TimedDuration, {}, {}, {}},
  };
  launch();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app.settings.checkvalue = "111111010100011111111111111100101";
    if (c.off) setOption(app.settings.checkvalue, *c.off, false);
    barTwoStarts.clear();
    app.settings.Time_all = 8.0 / 86400;
    app.settings.Time_one = 6;
    app.settings.Time_two = 4;
    app.settings.Time_three = 2;
    startRun();
    if (c.off == CheckFlag::TimedDuration) {
      // Without reminders no run counts: the mirror is prepared but does not tick.
      EXPECT_FALSE(mirror.Timer1.Enabled());
      continue;
    }
    std::vector<std::string> flashes, alerts;
    std::string lastStage = std::to_string(static_cast<int>(mirror.alarmStage));
    for (int step = 0; step < 40 && mirror.Timer1.Enabled(); ++step) {
      loop.advance(200);
      const std::string stage = std::to_string(static_cast<int>(mirror.alarmStage));
      if (stage != lastStage && stage != "4" && stage != "0") {
        alerts.push_back(stage);
        if (mirror.stageFlashes) flashes.push_back(stage);
        mirror.stageFlashes = false;
      }
      lastStage = stage;
    }
    EXPECT_EQ(barTwoStarts, c.bars);
    EXPECT_EQ(flashes, c.flashes);
    EXPECT_EQ(alerts, c.alerts);
    StopTiming(app.mainNeeds);
    loop.advance(1000);
  }
}

TEST_F(MirrorClockTest, TheZeroBranchFollowsTheAfterZeroActionOnTheMirror) {
  struct Case {
    const char* what;
    const char* optvalue;
    int timeEnd;
    int timeout;                   // the overtime style
    std::optional<CheckFlag> off;  // checkvalue character switched off
    bool overtime;                 // the mirror counts on upwards
    bool zeroAlert;                // the mirror's sequencer was sent on with stage 4
    bool bar;                      // the second prompt bar was asked for
    const char* prefix;
    const char* finalCount;    // the count after a stop ("" when not a stop)
    CountDirection direction;  // the run's count direction just after zero
  };
  const Case cases[] = {
      {"overtime", "100100100", 0, 0, std::nullopt, true, true, true, "", "", CountDirection::Down},
      {"overtime, zero reminder off: the bar still", "100100100", 0, 0, CheckFlag::OvertimeLimit,
       true, false, true, "", "", CountDirection::Down},
      {"overtime, no bar at zero", "100100100", 0, 0, CheckFlag::BarOvertime, true, true, false, "",
       "", CountDirection::Down},
      {"overtime with prefix -", "100100100", 0, 2, std::nullopt, true, true, true, "-", "",
       CountDirection::Down},
      {"overtime with prefix 超时", "100100100", 0, 3, std::nullopt, true, true, true, "超时", "",
       CountDirection::Down},
      {"stop", "100100010", 0, 0, std::nullopt, false, false, false, "", "00:00:00",
       CountDirection::Down},
      {"stop counting up", "000100010", 0, 0, std::nullopt, false, false, false, "", "00:00:03",
       CountDirection::Down},
      {"cycle with an overtime span", "100100001", 5, 2, std::nullopt, true, true, true, "-", "",
       CountDirection::Up},
      {"cycle without a span: a stop", "100100001", 0, 0, std::nullopt, false, false, false, "",
       "00:00:00", CountDirection::Down},
  };
  launch();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    app.settings.checkvalue = "111111010100011111111111111100101";
    if (c.off) setOption(app.settings.checkvalue, *c.off, false);
    app.settings.optvalue = c.optvalue;
    app.settings.time_end = c.timeEnd;
    programValues(app.platform).writeNumber("timeout", c.timeout);
    app.run.OvertimePrefix = "?";
    mirror.setCountMillis(-1);  // no count that a stop leaves
    barTwoStarts.clear();
    startMirrorAlone(3);
    std::string alertStage;
    while (mirror.Timer1.Enabled() && loop.now() < 1'000'000) loop.advance(1);
    // Only the cycle's prefixed overtime marks the count as upward at once.
    EXPECT_EQ(app.run.direction, c.direction);
    if (mirror.reminderPending || mirror.sequencerStep != ClockWindow::SequencerStep::Place) {
      alertStage = std::to_string(static_cast<int>(mirror.alarmStage));
    }
    loop.advance(150);  // the bar's start, 100 ms after it was asked for
    EXPECT_FALSE(mirror.Timer1.Enabled());
    EXPECT_EQ(mirror.Timer4.Enabled(), c.overtime);
    EXPECT_EQ(alertStage == "4", c.zeroAlert);
    EXPECT_EQ(barTwoStarts == std::vector<std::string>{"4"}, c.bar);
    if (c.overtime) {
      EXPECT_EQ(app.run.OvertimePrefix, c.prefix);
    }
    if (*c.finalCount != '\0') {
      EXPECT_EQ(clockText(mirror.countMillis()), c.finalCount);
      EXPECT_TRUE(countTimersOff());
    }
    StopTiming(app.mainNeeds);
    loop.advance(1000);
  }
}

TEST_F(MirrorClockTest, ARunThatLostItsBindingStopsTheMirrorAtItsNextTick) {
  launch();
  startMirrorAlone(30);
  loop.advance(1200);
  ASSERT_TRUE(mirror.Timer1.Enabled());
  app.run.binding = {};
  loop.advance(200);
  EXPECT_TRUE(countTimersOff());
  EXPECT_EQ(app.run.AfterZeroAction, AfterZero::NoRunBound);
  // The same in overtime, on the count-up tick.
  StopTiming(app.mainNeeds);
  app.settings.time_end = 0;
  startMirrorAlone(1);
  while (!mirror.Timer4.Enabled() && loop.now() < 100'000) loop.advance(1);
  app.run.binding = {};
  loop.advance(1000);  // the first count-up tick of the program
  EXPECT_TRUE(countTimersOff());
}

TEST_F(MirrorClockTest, TheOvertimeLimitStopsTheMirrorAtTheFirstTickAtOrPastIt) {
  struct Case {
    const char* what;
    int busyAt;    // overtime ms at which the machine is busy for 1.5 s (0: never)
    bool limitOn;  // checkvalue character 5
    bool stopped;
  };
  const Case cases[] = {
      {"in the limit's own second", 0, true, true},
      {"the limit's second got no tick", 1700, true, true},
      {"limit off", 0, false, false},
  };
  launch();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setOption(app.settings.checkvalue, CheckFlag::OvertimeLimit, c.limitOn);
    app.settings.optvalue = "100100100";
    app.settings.time_end = 2;
    startMirrorAlone(2);
    while (!mirror.Timer4.Enabled() && loop.now() < 100'000) loop.advance(1);
    const std::int64_t zeroAt = loop.now();
    bool busy = false;
    while (mirror.Timer4.Enabled() && loop.now() - zeroAt < 4000) {
      if (!busy && c.busyAt > 0 && loop.now() - zeroAt >= c.busyAt) {
        loop.sleep(1500);
        busy = true;
      }
      loop.advance(1);
    }
    EXPECT_EQ(!mirror.Timer4.Enabled(), c.stopped);
    if (c.stopped) {
      EXPECT_TRUE(countTimersOff());
    }
    StopTiming(app.mainNeeds);
    loop.advance(1000);
  }
}

TEST_F(MirrorClockTest, APauseUnderTheTimeOfDayMethodKeepsBothClocksEqual) {
  launch();
  app.run.method = ClockMethod::TimeOfDay;
  app.settings.Time_all = 12.0 / 86400;
  startRun();
  loop.advance(3000);
  PauseResume(app.mainNeeds);
  loop.advance(5000);
  PauseResume(app.mainNeeds);
  for (int step = 0; step < 40; ++step) {
    loop.advance(200);
    ASSERT_EQ(mirror.remaintime("Timer1"), clock.remaintime("Timer1")) << "at step " << step;
    ASSERT_EQ(mirror.Timer1.Enabled(), clock.Timer1.Enabled()) << "at step " << step;
  }
  EXPECT_TRUE(mirror.Timer1.Enabled()) << "neither clock has reached zero 8 s after the resume";
}

TEST_F(MirrorClockTest, TheRunStartLaysTheMirrorOutLargerAndTakesTheRunsStartAgain) {
  struct Case {
    const char* what;
    bool secondScreen;
    int add;
  };
  const Case cases[] = {{"extended screen in use", true, 20}, {"not in use", false, 0}};
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    launch(c.secondScreen);
    writeIni("Hotkey", "add", std::to_string(c.add));
    StartTiming(app.mainNeeds);
    runStart();
    const std::int32_t clocksMark = app.run.StartTick;
    mirrorRunStart();
    EXPECT_EQ(app.run.StartTick, clocksMark + 20) << "the mirror's start moment";
    const int size = FontSizeByIndex(6);  // Fontselect characters 2-3: "06"
    EXPECT_EQ(mirror.Label11.Font().size, size + c.add);
    EXPECT_EQ(mirror.Label1(2).Font().size, size + c.add);
    if (c.secondScreen) {
      EXPECT_TRUE(mirror.Timer1.Enabled());
    } else {
      EXPECT_EQ(mirror.Top(), -H - 15000);
      EXPECT_EQ(mirror.Left(), -W - 5000);
      EXPECT_TRUE(countTimersOff());
    }
    EXPECT_FALSE(mirror.Timer2.Enabled()) << "the show sequencer is left to others";
    StopTiming(app.mainNeeds);
    loop.advance(1000);
  }
}

TEST_F(MirrorClockTest, TheMirrorStandsOnTheExtendedScreenAtLoadAndWhenTheSequencerPlacesIt) {
  struct Case {
    int savedLeft, savedTop;
    int left, top;     // at load
    int sequencerTop;  // after state 1 of the show sequencer
  };
  const Case cases[] = {
      {W + 800, H + 10, W + 800, 10, 10},
      {W + 800, H, W + 800, H, H},
      {W + 800, 2 * H + 10, W + 800, 10, 10},
      {W + 800, 5 * H / 2, W + 800, H / 2, H / 2},
      {0, 300, W, 300, 300},
      {-700, 300, W, 300, 300},
      {W + 800, -50, W + 800, 0, -50},
  };
  launch();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.savedLeft) + ", " + std::to_string(c.savedTop));
    installFile("TimeData.db", "[clocksite]\r\nclocklefttwo=" + std::to_string(c.savedLeft) +
                                   "\r\nclocktoptwo=" + std::to_string(c.savedTop) + "\r\n");
    mirror.Unload();
    mirror.Load();
    EXPECT_EQ(mirror.Left(), c.left);
    EXPECT_EQ(mirror.Top(), c.top);
    mirror.Timer5.setEnabled(false);
    mirror.move(-9000, -9000, mirror.Width(), mirror.Height());
    mirror.sequencerStep = ClockWindow::SequencerStep::Place;
    mirror.Timer2.setEnabled(true);
    loop.advance(8);
    EXPECT_EQ(mirror.Left(), c.left);
    EXPECT_EQ(mirror.Top(), c.sequencerTop);
    EXPECT_EQ(mirror.sequencerStep, ClockWindow::SequencerStep::Shown);
    loop.advance(100);
  }
  // With the extended screen out of use the mirror is parked by the screen's size at load and
  // at every loss of focus, and the sequencer leaves it where it is.
  setSecondScreen(false);
  mirror.Unload();
  mirror.Load();
  EXPECT_EQ(mirror.Top(), -H - 15000);
  EXPECT_EQ(mirror.Left(), -W - 5000);
  mirror.move(W, 0, mirror.Width(), mirror.Height());
  mirror.LostFocus();
  EXPECT_EQ(mirror.Left(), -W - 5000);
  mirror.move(W, 0, mirror.Width(), mirror.Height());
  mirror.sequencerStep = ClockWindow::SequencerStep::Place;
  mirror.Timer2.setEnabled(true);
  loop.advance(8);
  EXPECT_EQ(mirror.Left(), W);
}

TEST_F(MirrorClockTest, AMirrorPlacedNowhereStandsAtTheTopLeftOfTheExtendedScreen) {
  // Nothing in the file, or only one coordinate there: both come from the registry, which holds
  // neither, and a value found nowhere counts as 0.
  launch();
  for (const char* stored : {"", "clocklefttwo=3000\r\n"}) {
    SCOPED_TRACE(stored);
    installFile("TimeData.db", std::string("[clocksite]\r\n") + stored);
    mirror.Unload();
    mirror.Load();
    EXPECT_EQ(mirror.Left(), W);
    EXPECT_EQ(mirror.Top(), 0);
    mirror.Timer5.setEnabled(false);
    mirror.move(-9000, -9000, mirror.Width(), mirror.Height());
    mirror.sequencerStep = ClockWindow::SequencerStep::Place;
    mirror.Timer2.setEnabled(true);
    loop.advance(8);
    EXPECT_EQ(mirror.Left(), W);
    EXPECT_EQ(mirror.Top(), 0) << "the show sequencer places it there too";
    loop.advance(100);
  }
}

TEST_F(MirrorClockTest, AScreenWithoutHeightLeavesTheStoredTopAsItIs) {
  launch();
  installFile("TimeData.db", "[clocksite]\r\nclocklefttwo=30000\r\nclocktoptwo=900\r\n");
  app.run.ScreenHeightPx = 0;
  mirror.Unload();
  mirror.Load();
  EXPECT_EQ(mirror.Top(), 900);
}

TEST_F(MirrorClockTest, AClickRedrawsAndEveryMoveSavesWhereTheMirrorStands) {
  launch();
  app.settings.checkvalue.at(9) = '0';  // clicks on the clock act
  mirror.move(W + 1000, 2000, mirror.Width(), mirror.Height());
  clock.setFaceText("12:34");
  mirror.Picture1_MouseDown(2, 0, 10, 10);
  EXPECT_NE(drawnText(mirror), "12:34") << "a right click does nothing";
  app.settings.checkvalue.at(9) = '1';
  mirror.Picture2_MouseDown(1, 0, 10, 10);
  EXPECT_NE(drawnText(mirror), "12:34") << "nor while clicks on the clock do not act";
  app.settings.checkvalue.at(9) = '0';
  mirror.Picture2_MouseDown(1, 0, 10, 10);
  EXPECT_EQ(drawnText(mirror), "12:34");

  app.run.holdOff = 0;
  mirror.Picture1_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(app.run.holdOff, 0) << "over the face box the hold-off stays";
  mirror.move(W + 1500, 2500, mirror.Width(), mirror.Height());
  mirror.Picture2_MouseMove(0, 0, 10, 10);
  EXPECT_EQ(app.run.holdOff, 100);
  EXPECT_EQ(variantText(IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite",
                                     "clocklefttwo", "")),
            std::to_string(W + 1500));
  EXPECT_EQ(programValues(app.platform).readInt32("clocktoptwo"), 2500);
}

// Both clocks take mouse input from their controls: a move over the text box holds off
// keep-on-top and a press on it acts as one on the face.
TEST_F(MirrorClockTest, BothClocksTakeTheMouseFromTheirFaceAndTextBox) {
  launch();
  for (ClockWindow* window :
       {static_cast<ClockWindow*>(&clock), static_cast<ClockWindow*>(&mirror)}) {
    app.run.holdOff = 0;
    forms.mouseMove(window->Picture1, 0, 10, 10);
    EXPECT_EQ(app.run.holdOff, 0) << window->name();
    forms.mouseMove(window->Picture2, 0, 10, 10);
    EXPECT_EQ(app.run.holdOff, 100) << window->name();
  }
  app.settings.checkvalue.at(9) = '0';
  clock.setFaceText("12:34");
  forms.mouseDown(mirror.Picture2, 1, 10, 10);
  EXPECT_EQ(drawnText(mirror), "12:34");
}

}  // namespace
}  // namespace horalix::test
