#include "clock/clock_placement.h"

#include <gtest/gtest.h>

#include <string>

#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

// The headless screen's full-screen area is 1920 x 1017 pixels at 15 twips per pixel.
constexpr int kScreenWidth = 1920 * 15;
constexpr int kScreenHeight = 1017 * 15;
constexpr int kFaceWidth = 1500;

class ClockPlacementTest : public MainWindowTest {
 protected:
  void SetUp() override {
    start();
    giveHotKey("hide", "Ctrl+F4");
    clock.Label9.setWidth(kFaceWidth);
  }

  void savePositions(const std::string& lines) {
    installFile("TimeData.db", "[clocksite]\r\n" + lines);
  }

  bool parked(platform::Form& window) {
    return window.Left() == -window.Width() - 5000 && window.Top() == -window.Height() - 5000;
  }
};

TEST_F(ClockPlacementTest, RestoreFollowsTheShowChoiceTheHideOptionAndTheCount) {
  struct Case {
    const char* caption;
    bool hideWhileIdle, counting;
    bool shown;
  };
  const Case cases[] = {
      {"显示        Ctrl+F4", false, true, false}, {"显示        Ctrl+F4", true, true, false},
      {"隐藏        Ctrl+F4", true, true, true},   {"隐藏        Ctrl+F4", true, false, false},
      {"隐藏        Ctrl+F4", false, false, true}, {"隐藏        Ctrl+F4", false, true, true},
  };
  savePositions("clockleft=1000\r\nclocktop=2000\r\n");
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.caption) + (c.hideWhileIdle ? ", hide while idle" : "") +
                 (c.counting ? ", counting" : ""));
    clock.park();
    clock.Timer2.setEnabled(false);
    clock.Timer1.setEnabled(c.counting);
    clock.Picture1.setVisible(false);
    controlNamed(mirror, "Picture2").setVisible(false);
    app.ports.showClocksHidden(std::string(c.caption).starts_with("显示"));
    setOption(app.settings.checkvalue, CheckFlag::HideWhenIdle, c.hideWhileIdle);
    RestoreClocks(app.clocks);
    if (c.shown) {
      EXPECT_EQ(clock.Left(), 1000);
      EXPECT_EQ(clock.Top(), 2000);
      EXPECT_EQ(clock.sequencerStep, ClockWindow::SequencerStep::Place)
          << "handed to the sequencer";
      EXPECT_TRUE(clock.Timer2.Enabled());
      EXPECT_EQ(main.menu_two(1).Caption(), "隐藏        Ctrl+F4");
    } else {
      EXPECT_TRUE(parked(clock));
      EXPECT_EQ(clock.sequencerStep, ClockWindow::SequencerStep::Settle);
      EXPECT_FALSE(clock.Timer2.Enabled());
      EXPECT_EQ(main.menu_two(1).Caption(), c.caption) << "parking keeps the caption";
    }
    EXPECT_TRUE(clock.Picture1.Visible());
    EXPECT_TRUE(controlNamed(mirror, "Picture2").Visible());
  }
}

TEST_F(ClockPlacementTest, ShowPullsTheClockInsideTheScreen) {
  const int limit = kScreenWidth - kFaceWidth - 100;
  struct Case {
    std::string saved;
    int left, top;
  };
  const Case cases[] = {
      {"clockleft=1000\r\nclocktop=2000", 1000, 2000},
      {"clockleft=0\r\nclocktop=0", 0, 0},
      {"clockleft=30000\r\nclocktop=2000", limit, 2000},
      {"clockleft=-50\r\nclocktop=2000", limit, 2000},
      {"clockleft=" + std::to_string(limit - 1) + "\r\nclocktop=5", limit - 1, 5},
      {"clockleft=" + std::to_string(limit) + "\r\nclocktop=5", limit, 5},
      {"clockleft=1000\r\nclocktop=" + std::to_string(kScreenHeight), 1000, kScreenHeight},
      {"clockleft=1000\r\nclocktop=" + std::to_string(kScreenHeight + 1), 1000, 0},
      {"clockleft=1000\r\nclocktop=-30", 1000, 0},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.saved);
    savePositions(c.saved + "\r\n");
    ShowClocks(app.clocks);
    EXPECT_EQ(clock.Left(), c.left);
    EXPECT_EQ(clock.Top(), c.top);
  }
}

TEST_F(ClockPlacementTest, AWholeBackPictureCountsAsTheClocksWidth) {
  savePositions("clockleft=30000\r\nclocktop=100\r\n");
  app.run.BackPictureOn = true;
  clock.setWidth(4000);
  ShowClocks(app.clocks);
  EXPECT_EQ(clock.Left(), kScreenWidth - 4000 - 100);
}

TEST_F(ClockPlacementTest, AnUnsetPositionSendsBothReadsToTheRegistry) {
  savePositions("clockleft=-100\r\nclocktop=2000\r\n");
  programValues(app.platform).writeNumber("clockleft", 500);
  programValues(app.platform).writeNumber("clocktop", 600);
  ShowClocks(app.clocks);
  EXPECT_EQ(clock.Left(), 500);
  EXPECT_EQ(clock.Top(), 600) << "the valid INI top is not taken";
}

TEST_F(ClockPlacementTest, TheMirrorGoesToTheExtendedScreenRightOfThePrimaryOne) {
  setSecondScreen(true);
  struct Case {
    int savedLeft, savedTop;
    int left, top;
  };
  const Case cases[] = {
      {1000, 300, kScreenWidth, 300},
      {kScreenWidth + 800, 300, kScreenWidth + 800, 300},
      {kScreenWidth + 800, kScreenHeight + 500, kScreenWidth + 800, 500},
      {kScreenWidth + 800, 2 * kScreenHeight + 500, kScreenWidth + 800, kScreenHeight + 500},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(std::to_string(c.savedLeft) + ", " + std::to_string(c.savedTop));
    savePositions("clockleft=1000\r\nclocktop=2000\r\nclocklefttwo=" + std::to_string(c.savedLeft) +
                  "\r\nclocktoptwo=" + std::to_string(c.savedTop) + "\r\n");
    mirror.Timer2.setEnabled(false);
    ShowClocks(app.clocks);
    EXPECT_EQ(mirror.Left(), c.left);
    EXPECT_EQ(mirror.Top(), c.top);
    EXPECT_TRUE(mirror.Timer2.Enabled());
  }
  HideClocks(app.clocks);
  EXPECT_TRUE(parked(mirror));
  EXPECT_EQ(mirror.sequencerStep, ClockWindow::SequencerStep::Settle);
}

TEST_F(ClockPlacementTest, AShowDuringTheSequencersWorkMovesTheClockButDoesNotRestartIt) {
  savePositions("clockleft=1000\r\nclocktop=2000\r\n");
  clock.Timer2.setEnabled(true);
  clock.faceShown = false;
  ShowClocks(app.clocks);
  EXPECT_EQ(clock.Left(), 1000);
  EXPECT_EQ(clock.sequencerStep, ClockWindow::SequencerStep::Idle);
  EXPECT_TRUE(clock.faceShown);
  EXPECT_EQ(app.run.holdOff, 0) << "the keep-on-top hold-off ends";
}

TEST_F(ClockPlacementTest, ShowHideSwapsTheCaptionsPrefixAndKeepsTheRest) {
  savePositions("clockleft=1000\r\nclocktop=2000\r\n");
  ShowHideClock(app.clocks);
  EXPECT_EQ(main.menu_two(1).Caption(), "显示        Ctrl+F4");
  EXPECT_TRUE(parked(clock));
  ShowHideClock(app.clocks);
  EXPECT_EQ(main.menu_two(1).Caption(), "隐藏        Ctrl+F4");
  EXPECT_EQ(clock.Left(), 1000);
}

}  // namespace
}  // namespace horalix::test
