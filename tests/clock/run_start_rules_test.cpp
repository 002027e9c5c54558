// The clock's run start: the font fallback, the display format and the after-zero action from
// the option strings, a count-down of no length, the background, the start sound, the hover
// button and the prompt bars it parks; the width the clock is placed by in each format, and what
// a run start puts back for both clocks after a click on the face or a reminder's blink.
#include <gtest/gtest.h>

#include <algorithm>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "bars/prompt_bar.h"
#include "clock/clock_placement.h"
#include "main/timing_control.h"
#include "platform/headless/headless_fonts.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/window_shape.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class RunStartRulesTest : public MainWindowTest {
 protected:
  RunStartRulesTest() { installFile("sounds\\start.wav"); }

  void SetUp() override { start(); }

  // An idle pass, as at the program start or after a settings change.
  void idlePass() {
    clock.Timer5.setEnabled(true);
    runStart();
  }
  // A manual run; `beforeStart` runs between the start command and the run start.
  void boundRun(const std::function<void()>& beforeStart = {}) {
    StartTiming(app.mainNeeds);
    if (beforeStart) beforeStart();
    runStart();
  }
  int startSoundsPlayed() const {
    int played = 0;
    for (const auto& w : sound.waves()) played += w.path == programPath("sounds\\start.wav");
    return played;
  }
  std::vector<std::string> fontFiles() { return headless.fonts().fontFileCalls(); }
  std::string shown() const { return clock.faceText(); }
};

TEST_F(RunStartRulesTest, AFaceThatIsNotInstalledFallsBackToTheProgramsTrebuchet) {
  installFile("font\\trebuc.ttf");
  app.settings.clockFont = "Consolas";
  idlePass();
  EXPECT_EQ(fontFiles(), std::vector<std::string>{programPath("font\\trebuc.ttf")});
  EXPECT_EQ(app.settings.clockFont, "Trebuchet MS") << "kept in memory for the run";
  EXPECT_EQ(clock.Label1(1).Font().name, "Trebuchet MS");
  EXPECT_EQ(clock.Label9.Font().name, "Trebuchet MS");
}

TEST_F(RunStartRulesTest, ArialBlackComesFromItsOwnFileAndStaysTheChosenFace) {
  installFile("font\\Arial Black.ttf");
  app.settings.clockFont = "Arial Black";
  idlePass();
  EXPECT_EQ(fontFiles(), std::vector<std::string>{programPath("font\\Arial Black.ttf")});
  EXPECT_EQ(app.settings.clockFont, "Arial Black");
  EXPECT_EQ(clock.Label11.Font().name, "Arial Black");
}

TEST_F(RunStartRulesTest, WhenTheFirstFallbackFailsTheSecondPutsTrebuchetOnEverySurface) {
  // Arial Black's own file is missing: the first check cannot help, the second one does.
  installFile("font\\trebuc.ttf");
  app.settings.clockFont = "Arial Black";
  idlePass();
  EXPECT_EQ(fontFiles(), (std::vector<std::string>{programPath("font\\Arial Black.ttf"),
                                                   programPath("font\\trebuc.ttf")}));
  EXPECT_EQ(app.settings.clockFont, "Arial Black") << "the second check leaves the setting";
  for (platform::Control* c :
       {&clock.Label1(1), &clock.Label1(2), &clock.Label9, &clock.Label11, &clock.Picture2}) {
    EXPECT_EQ(c->Font().name, "Trebuchet MS") << c->name();
  }
}

TEST_F(RunStartRulesTest, TheDisplayFormatTakesTheLastOfCharacters3To5) {
  struct Case {
    const char* optvalue;
    const char* first;
  };
  // The default set time is 00:02:30.
  for (const Case& c :
       {Case{"100000100", "00:02:30"}, Case{"101000100", "150"}, Case{"100100100", "02:30"},
        Case{"100010100", "00:02:30"}, Case{"101100100", "02:30"}, Case{"100110100", "00:02:30"},
        Case{"101010100", "00:02:30"}, Case{"1001", "00:02:30"}}) {
    app.settings.optvalue = c.optvalue;
    idlePass();
    EXPECT_EQ(shown(), c.first) << c.optvalue;
  }
}

TEST_F(RunStartRulesTest, TheCycleAfterZeroIsForManualRunsOnly) {
  struct Case {
    const char* optvalue;
    bool automatic;
    AfterZero action;
  };
  using enum AfterZero;
  for (const Case& c : {Case{"100100001", false, Cycle}, Case{"100100001", true, Overtime},
                        Case{"100100011", true, Stop}, Case{"100100010", false, Stop},
                        Case{"100100110", false, Stop}, Case{"10010010", true, Cycle}}) {
    setAutomaticTiming(c.automatic);
    app.settings.optvalue = c.optvalue;
    idlePass();
    EXPECT_EQ(app.run.AfterZeroAction, c.action)
        << c.optvalue << (c.automatic ? " automatic" : " manual");
  }
}

TEST_F(RunStartRulesTest, ACountDownOfNoLengthShowsTheTimeOfDay) {
  loop.setLocalTime({2024, 5, 6, 9, 41, 7, 0, 1});
  app.settings.Time_all = 0;
  struct Case {
    const char* optvalue;
    const char* shown;
  };
  for (const Case& c :
       {Case{"100100100", "09:41"}, Case{"100010100", "09:41:07"}, Case{"000100100", "00:00"}}) {
    app.settings.optvalue = c.optvalue;
    idlePass();
    EXPECT_EQ(shown(), c.shown) << c.optvalue;
  }
}

// Placed by its sequencer with no stored place, the clock stands at the right edge less its
// width template and 100 twips; the template is the zero text of the format in the face's font.
TEST_F(RunStartRulesTest, TheClockIsPlacedAsWideAsTheZeroTextOfItsFormat) {
  struct Case {
    const char* optvalue;
    const char* zeroText;
  };
  installFile("TimeData.db", "");
  const int screenWidth = app.run.ScreenWidthPx * 15;
  for (const Case& c :
       {Case{"101000100", "00:00:00"}, Case{"100100100", "00:00"}, Case{"100010100", "00:00:00"}}) {
    SCOPED_TRACE(c.optvalue);
    app.settings.optvalue = c.optvalue;
    boundRun();
    loop.advance(100);  // the sequencer places the clock
    const auto& drawn = clock.Picture2.drawing();
    const auto text = std::find_if(drawn.rbegin(), drawn.rend(), [](const platform::DrawOp& op) {
      return op.kind == platform::DrawOp::Kind::Text;
    });
    ASSERT_NE(text, drawn.rend());
    const int templateWidth = platform.fonts.measure(text->font, c.zeroText).width;
    EXPECT_EQ(clock.Left(), screenWidth - templateWidth - 100);
    StopTiming(app.mainNeeds);
  }
}

TEST_F(RunStartRulesTest, ARunStartBringsTheCountBackIntoViewOnBothClocks) {
  loop.setLocalTime({2024, 5, 6, 9, 41, 7, 0, 1});
  setSecondScreen(true);
  setOption(app.settings.checkvalue, CheckFlag::KeepTimeText, false);
  idlePass();
  mirrorRunStart();
  // The presenter clicks the clock for the time of day; the mirror follows.
  forms.mouseDown(clock.Picture2, 1, 30, 45);
  loop.advance(1000);
  ASSERT_EQ(drawnText(clock), "09:41");
  ASSERT_EQ(drawnText(mirror), "09:41");
  boundRun();
  mirrorRunStart();
  EXPECT_EQ(drawnText(clock), "02:30");
  EXPECT_EQ(drawnText(mirror), "02:30");
  loop.advance(1200);
  EXPECT_EQ(drawnText(clock), "02:29");
  EXPECT_EQ(drawnText(mirror), "02:29");
}

// A run stopped in a blank half of the first reminder's blink: the next run shows its count
// steadily on both clocks.
TEST_F(RunStartRulesTest, ARunStartEndsWhatTheLastRunsBlinkLeft) {
  setSecondScreen(true);
  boundRun();
  mirrorRunStart();
  loop.advance(90'000);  // the first reminder, at one minute left, flashes the text
  while (!drawnText(clock).empty() && loop.now() < 100'000) loop.advance(10);
  ASSERT_EQ(drawnText(clock), "") << "the blink blanks the face";
  StopTiming(app.mainNeeds);
  boundRun();
  mirrorRunStart();
  EXPECT_EQ(drawnText(clock), "02:30");
  EXPECT_EQ(drawnText(mirror), "02:30");
  for (const char* next : {"02:29", "02:28", "02:27"}) {
    loop.advance(1000);
    EXPECT_EQ(drawnText(clock), next);
    EXPECT_EQ(drawnText(mirror), next);
  }
}

TEST_F(RunStartRulesTest, AnOpaqueClockWithoutPictureTakesTheBackColour) {
  setOption(app.settings.checkvalue, CheckFlag::TransparentBack, false);
  app.settings.picturename = "\\255";
  idlePass();
  EXPECT_EQ(clock.BackColor(), 255U);
  EXPECT_EQ(clock.Picture2.BackColor(), 255U);
  EXPECT_FALSE(app.run.BackPictureOn);
}

TEST_F(RunStartRulesTest, ASeeThroughClockKeysOutAColourNearItsText) {
  setOption(app.settings.checkvalue, CheckFlag::TransparentBack, true);
  app.settings.Fontselect = "1100300\\0";  // colour index 3: red
  idlePass();
  const std::uint32_t key = KeyColour(ColorByIndex(3));
  EXPECT_EQ(clock.BackColor(), key);
  EXPECT_TRUE(clock.layered());
  EXPECT_EQ(clock.colorKey(), key);
  EXPECT_EQ(clock.alpha(), 255) << "the key alone; the text stays opaque";
}

TEST_F(RunStartRulesTest, TheStartSoundPlaysOnlyWhileArmed) {
  setOption(app.settings.checkvalue, CheckFlag::SoundStart, true);
  app.settings.tellsoundname = "start.wav\\Timeout.wav";
  for (const bool armed : {true, false}) {
    const int before = startSoundsPlayed();
    boundRun([&] { app.run.startSoundArmed = armed; });
    EXPECT_EQ(startSoundsPlayed() - before, armed ? 1 : 0) << "armed " << armed;
    StopTiming(app.mainNeeds);
  }
}

TEST_F(RunStartRulesTest, ClocksHiddenFromTheTrayMenuCountUnseen) {
  installFile("TimeData.db", "[clocksite]\r\nclockleft=1000\r\nclocktop=2000\r\n");
  main.menu_two(1).setCaption("隐藏        Ctrl+F4");
  ShowHideClock(app.clocks);
  boundRun();
  loop.advance(1000);
  EXPECT_TRUE(clock.Timer1.Enabled());
  EXPECT_LT(clock.Left(), 0) << "the run start leaves the clock parked";
}

TEST_F(RunStartRulesTest, TheHoverButtonIsASquareAsHighAsTheFace) {
  boundRun();
  ASSERT_GT(clock.Picture1.Height(), 0);
  EXPECT_EQ(clock.Image1.Width(), clock.Picture1.Height());
  EXPECT_EQ(clock.Image1.Height(), clock.Picture1.Height());
  EXPECT_EQ(clock.Image1.Left(), 0);
  EXPECT_EQ(clock.Image1.Top(), 0);
}

TEST_F(RunStartRulesTest, TheRunStartParksBothPromptBars) {
  for (PromptBar* bar : {&app.promptBar(), &app.secondPromptBar()}) {
    bar->move(3000, 3000, 4000, 900);
    bar->Timer2.setEnabled(true);
    bar->Timer4.setEnabled(true);
  }
  const int screenWidth = app.run.ScreenWidthPx * 15;
  boundRun();
  PromptBar& bar = app.promptBar();
  EXPECT_EQ(bar.Left(), (screenWidth - bar.Width()) / 2) << "centred above the screen";
  for (PromptBar* bar : {&app.promptBar(), &app.secondPromptBar()}) {
    EXPECT_EQ(bar->Top(), -bar->Height() - 2000) << bar->name();
    for (platform::Timer* t : {&bar->Timer1, &bar->Timer2, &bar->Timer3, &bar->Timer4})
      EXPECT_FALSE(t->Enabled()) << bar->name();
  }
}

}  // namespace
}  // namespace horalix::test
