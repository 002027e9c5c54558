// The extended screen's prompt bar with the second screen in use: it comes on screen with the
// primary bar, shows the primary bar's text at its own size offset, stands at its stored place
// brought onto the extended screen, follows the primary bar's text and parks over the extended
// screen.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "prompt_bar_fixture.h"
#include "services/palette.h"
#include "services/program_folder.h"
#include "services/program_values.h"

namespace horalix::test {
namespace {

class SecondBarTest : public PromptBarTest {
 protected:
  void SetUp() override {
    PromptBarTest::SetUp();
    setSecondScreen(true);
  }
  void storeSecondPosition(std::optional<int> left, std::optional<int> top) {
    installFile("TimeData.db", "");
    for (const auto& [key, value] :
         {std::pair{"processtwo_left", left}, std::pair{"processtwo_top", top}}) {
      if (value) writeIni("clocksite", key, std::to_string(*value));
      programValues(app.platform).remove(key);
    }
  }
  // The primary bar asked for at `stage`; its start passes the start on, 100 ms later.
  void askForBoth(const std::string& stage, int ms) {
    askForBar(stage, ms);
    loop.advance(100);
  }
};

TEST_F(SecondBarTest, AReminderBringsTheSecondBarOnTheExtendedScreenWithThePrimaryBarsText) {
  struct Case {
    const char* stage;
    int ms;
    const char* text;
  };
  const Case cases[] = {
      {"1", 60400, "您的发言还剩1分00秒"},
      {"3", 5400, "您的发言还剩5秒"},
      {"4", 0, "您的发言超时0秒"},
  };
  storeSecondPosition(screenWidth() + 2000, 1200);
  for (const Case& c : cases) {
    SCOPED_TRACE(c.stage);
    writeIni("Hotkey", "processadd", "10");
    barTwo.setText("");
    askForBoth(c.stage, c.ms);
    EXPECT_EQ(bar.Label1.Caption(), c.text);
    EXPECT_EQ(barTwo.Label1.Caption(), c.text);
    EXPECT_EQ(barTwo.Left(), screenWidth() + 2000);
    EXPECT_EQ(barTwo.Top(), 1200);
    EXPECT_EQ(barTwo.Label1.Font().size, bar.Label1.Font().size + 10);
    EXPECT_TRUE(fitsItsText(barTwo));
    EXPECT_TRUE(barTwo.Timer2.Enabled());
    EXPECT_TRUE(barTwo.Timer4.Enabled());
    // Its keep-on-top run re-tops it whatever hold-off another window has set.
    app.run.holdOff = 100;
    const int raised = forms.raiseCount("Frm_process_two");
    loop.advance(1000);
    EXPECT_GT(forms.raiseCount("Frm_process_two"), raised);
    HideProcessBars(app.promptBar(), app.secondPromptBar());
  }
}

TEST_F(SecondBarTest, TheSecondBarFollowsThePrimaryBarsTextAndParksWithIt) {
  storeSecondPosition(screenWidth() + 2000, 1200);
  // Asked for before the primary bar (by the mirror clock), it shows the primary bar's caption
  // as it stands.
  bar.setText("before");
  clock.alarmStage = AlarmStage::Alarm2;
  barTwo.Timer3.setEnabled(true);
  loop.advance(100);
  EXPECT_EQ(barTwo.Label1.Caption(), "before");
  EXPECT_GE(barTwo.Left(), screenWidth());
  HideProcessBars(app.promptBar(), app.secondPromptBar());
  // At zero it composes the time over as the primary bar does.
  clock.alarmStage = AlarmStage::Zero;
  barTwo.Timer3.setEnabled(true);
  loop.advance(100);
  EXPECT_EQ(barTwo.Label1.Caption(), "您的发言超时0秒");
  HideProcessBars(app.promptBar(), app.secondPromptBar());
  // At a reminder and in the settings preview, the second bar's own text tick takes the primary
  // bar's caption as it stands; it composes none of its own.
  for (const char* stage : {"1", "7"}) {
    askForBoth(stage, 60400);
    bar.Timer2.setEnabled(false);
    bar.setText("primary");
    clockShows(59400);
    loop.advance(1000);
    EXPECT_EQ(barTwo.Label1.Caption(), "primary") << stage;
    HideProcessBars(app.promptBar(), app.secondPromptBar());
  }
  // With the primary bar's tick running, its caption is passed on at every tick; after the
  // display time both park, the second one over the extended screen.
  HideProcessBars(app.promptBar(), app.secondPromptBar());
  askForBoth("1", 60400);
  clockShows(59400);
  loop.advance(1000);
  EXPECT_EQ(barTwo.Label1.Caption(), "您的发言还剩59秒");
  loop.advance(3000);
  EXPECT_TRUE(parked(bar));
  EXPECT_EQ(barTwo.Top(), -barTwo.Height() - 5000);
  EXPECT_EQ(barTwo.Left(), screenWidth() + (screenWidth() - barTwo.Width()) / 2);
  askForBoth("1", 60400);
  HideProcessBars(app.promptBar(), app.secondPromptBar());
  EXPECT_EQ(barTwo.Top(), -barTwo.Height() - 2000);
  EXPECT_EQ(barTwo.Left(), screenWidth() + (screenWidth() - barTwo.Width()) / 2);
  EXPECT_FALSE(barTwo.Timer4.Enabled());
}

TEST_F(SecondBarTest, TheStoredPlaceIsBroughtOntoTheExtendedScreen) {
  struct Case {
    const char* name;
    std::optional<int> left, top;
    int expectedLeft, expectedTop;
  };
  const int w = screenWidth(), h = screenHeight();
  const Case cases[] = {
      {"on the extended screen", w + 700, 900, w + 700, 900},
      {"left on the primary screen", 0, 0, w, 0},
      {"negative left", -500, 900, w, 900},
      {"far right: no right bound", 5 * w, 900, 5 * w, 900},
      {"top of exactly a screen height", w + 700, h, w + 700, h},
      {"top of 2.5 screen heights", w + 700, 5 * h / 2, w + 700, h / 2},
      {"negative top: no lower bound", w + 700, -300, w + 700, -300},
      {"stored nowhere", std::nullopt, std::nullopt, w, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    storeSecondPosition(c.left, c.top);
    askForBoth("2", 30400);
    EXPECT_EQ(barTwo.Left(), c.expectedLeft);
    EXPECT_EQ(barTwo.Top(), c.expectedTop);
    HideProcessBars(app.promptBar(), app.secondPromptBar());
  }
  // A screen without height leaves the stored top as it is.
  storeSecondPosition(w + 700, 3 * h);
  app.run.ScreenHeightPx = 0;
  askForBoth("2", 30400);
  EXPECT_EQ(barTwo.Top(), 3 * h);
}

TEST_F(SecondBarTest, ADragKeepsTheSecondBarRightOfThePrimaryScreenAndIsStored) {
  const int w = screenWidth();
  struct Case {
    const char* name;
    float dx;
    int left;  // -1: three screen widths less the bar's width
  };
  for (const Case& c : {Case{"past the left edge", -60000, w}, Case{"far right", 200000, -1}}) {
    SCOPED_TRACE(c.name);
    storeSecondPosition(w + 2000, 1200);
    askForBoth("1", 60400);
    forms.mouseDown(barTwo.Label1, 1, 300, 200);
    forms.mouseMove(barTwo.Label1, 1, 300 + c.dx, 200);
    const int left = c.left == -1 ? 3 * w - barTwo.Width() : c.left;
    EXPECT_EQ(barTwo.Left(), left);
    EXPECT_EQ(variantText(IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite",
                                       "processtwo_left", "")),
              std::to_string(left));
    EXPECT_EQ(programValues(app.platform).readInt32("processtwo_left"), left);
    EXPECT_EQ(programValues(app.platform).readInt32("processtwo_top"), 1200);
    HideProcessBars(app.promptBar(), app.secondPromptBar());
  }
}

TEST_F(SecondBarTest, ThePointerOverTheSecondBarWithoutItsTextUpdateParksThatBarAlone) {
  storeSecondPosition(screenWidth() + 2000, 1200);
  storePosition(3000, 1500);
  askForBoth("1", 60400);
  forms.mouseMove(barTwo, 0, 10, 10);
  EXPECT_EQ(barTwo.Top(), 1200) << "while its text update runs the bar stays";
  barTwo.Timer2.setEnabled(false);
  forms.mouseMove(barTwo, 0, 10, 10);
  EXPECT_EQ(barTwo.Top(), -barTwo.Height() - 5000);
  EXPECT_EQ(barTwo.Left(), screenWidth() + (screenWidth() - barTwo.Width()) / 2);
  for (platform::Timer* t : {&barTwo.Timer1, &barTwo.Timer2, &barTwo.Timer3, &barTwo.Timer4})
    EXPECT_FALSE(t->Enabled());
  EXPECT_EQ(bar.Left(), 3000) << "the primary bar stays where it is";
  EXPECT_EQ(bar.Top(), 1500);
  EXPECT_TRUE(bar.Timer2.Enabled());
}

TEST_F(SecondBarTest, WithoutTheSecondScreenOnlyThePrimaryBarComes) {
  setSecondScreen(false);
  storeSecondPosition(screenWidth() + 2000, 1200);
  askForBoth("1", 60400);
  EXPECT_TRUE(onScreen(bar));
  EXPECT_FALSE(onScreen(barTwo));
  EXPECT_FALSE(barTwo.Timer2.Enabled());
}

}  // namespace
}  // namespace horalix::test
