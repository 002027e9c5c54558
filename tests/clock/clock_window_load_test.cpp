// The clock window's load, loss of focus and unload: where the program start puts the clock, the
// re-fit of its surfaces to the text and back picture, the outline let go at unload, and a
// manual run from the tray menu after the program start.
#include <gtest/gtest.h>

#include <string>

#include "platform/headless/headless_tray.h"
#include "services/program_values.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

// The headless screen's full-screen area is 1920 x 1017 pixels at 15 twips per pixel.
constexpr int kScreenWidth = 1920 * 15;
constexpr int kScreenHeight = 1017 * 15;
constexpr int kFaceWidth = 1500;
constexpr int kWindowHeight = 900;

class ClockWindowLoadTest : public MainWindowTest {
 protected:
  // The program started with these lines in TimeData.db [clocksite]; the clock's face is
  // kFaceWidth wide and the window kWindowHeight high when it loads.
  void startWith(const std::string& clocksite) {
    installFile("TimeData.db", "[clocksite]\r\n" + clocksite);
    clock.Label9.setWidth(kFaceWidth);
    clock.setHeight(kWindowHeight);
    // The program start alone: its settings are those the clock's load read.
    Main(app);
    ASSERT_FALSE(app.ended()) << "the program did not start";
  }
};

struct SavedPlace {
  std::string saved;  // the [clocksite] lines
  int left, top;      // where the load puts the clock
};

class ClockWindowPlaceTest : public ClockWindowLoadTest,
                             public ::testing::WithParamInterface<SavedPlace> {};

constexpr int kMaxLeft = kScreenWidth - kFaceWidth - 100;
constexpr int kLowestTop = kScreenHeight - kWindowHeight - 1;

std::string place(int left, int top) {
  return "clockleft=" + std::to_string(left) + "\r\nclocktop=" + std::to_string(top) + "\r\n";
}

TEST_P(ClockWindowPlaceTest, TheSavedPlaceIsTakenOnlyInsideTheScreen) {
  startWith(GetParam().saved);
  EXPECT_EQ(clock.Left(), GetParam().left);
  EXPECT_EQ(clock.Top(), GetParam().top);
  EXPECT_TRUE(clock.restoreAtNextStart) << "the run start is to place the clocks";
  EXPECT_TRUE(clock.Timer5.Enabled());
}

INSTANTIATE_TEST_SUITE_P(
    Places, ClockWindowPlaceTest,
    ::testing::Values(
        SavedPlace{place(1000, 2000), 1000, 2000},
        // Nothing saved (and nothing in the registry): right edge less the face, top of screen.
        SavedPlace{"", kMaxLeft, 0},
        // A saved 0 is not taken: the sequencer would keep it, the load does not.
        SavedPlace{place(0, 0), kMaxLeft, 0}, SavedPlace{place(kMaxLeft, 10), kMaxLeft, 10},
        SavedPlace{place(kMaxLeft - 1, 10), kMaxLeft - 1, 10},
        // The whole window must fit below the saved top.
        SavedPlace{place(1000, kLowestTop + 1), 1000, 0},
        SavedPlace{place(1000, kLowestTop), 1000, kLowestTop},
        SavedPlace{place(-3000, -40), kMaxLeft, 0}));

TEST_F(ClockWindowLoadTest, AnUnsetIniPlaceSendsBothReadsToTheRegistry) {
  programValues(app.platform).writeText("Version", "5.2");
  programValues(app.platform).writeNumber("clockleft", 700);
  programValues(app.platform).writeNumber("clocktop", 800);
  startWith("clockleft=1200\r\n");
  EXPECT_EQ(clock.Left(), 700);
  EXPECT_EQ(clock.Top(), 800);
}

TEST_F(ClockWindowLoadTest, LosingTheFocusFitsTheWindowToTextAndBackPicture) {
  struct Case {
    bool backPicture;
    int pictureWidthPx, pictureHeightPx;
    int width, height;  // the window (and, with a back picture, Picture1) afterwards
  };
  const Case cases[] = {
      {false, 150, 50, 1500, 900},
      // 150 x 50 pixels is 2,250 x 750 twips: wider than the text, lower than it.
      {true, 150, 50, 2250, 900},
      {true, 60, 80, 1500, 1200},
  };
  startWith("");
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.pictureWidthPx << " x " << c.pictureHeightPx
                                    << (c.backPicture ? " back picture" : ""));
    clock.Label11.move(0, 0, 1400, 880);
    app.run.BackPictureOn = c.backPicture;
    app.settings.picture_width = c.pictureWidthPx;
    app.settings.picture_height = c.pictureHeightPx;
    clock.move(3000, 400, 5000, 5000);
    clock.LostFocus();
    EXPECT_EQ(clock.Picture2.Width(), 1500);
    EXPECT_EQ(clock.Picture2.Height(), 900);
    EXPECT_EQ(clock.Width(), c.width);
    EXPECT_EQ(clock.Height(), c.height);
    EXPECT_EQ(clock.Left(), 3000) << "the window stays where it is";
    if (c.backPicture) {
      EXPECT_EQ(clock.Picture1.Width(), c.width);
      EXPECT_EQ(clock.Picture1.Height(), c.height);
    }
  }
}

TEST_F(ClockWindowLoadTest, UnloadingLetsGoOfTheOutline) {
  startWith("");
  clock.creatrange();
  ASSERT_TRUE(clock.region().has_value());
  EXPECT_TRUE(clock.Unload());
  EXPECT_FALSE(clock.region().has_value());
}

TEST_F(ClockWindowLoadTest, AManualStartFromTheTrayMenuCountsDownFromTheSetTime) {
  startWith("");
  // The run start armed by the load finds no run bound and leaves the clock idle, placed.
  runStart();
  ASSERT_FALSE(clock.Timer1.Enabled());
  EXPECT_FALSE(clock.restoreAtNextStart);
  EXPECT_GE(clock.Left(), 0) << "the idle clock is on screen";
  EXPECT_GE(clock.Top(), 0);
  // A presenter's settings: manual timing, so the menu offers its start item.
  setAutomaticTiming(false);
  clock.Timer5.setEnabled(true);
  runStart();
  tray.onPopup = platform::HeadlessTray::choose("开始");
  ASSERT_TRUE(tray.mouse(platform::TrayMouse::RightUp));
  ASSERT_TRUE(tray.popups().back().chosen.starts_with("开始"));
  runStart();
  EXPECT_EQ(clock.faceText(), "02:30");
  EXPECT_TRUE(clock.Timer1.Enabled());
  loop.advance(1000);
  EXPECT_EQ(clock.faceText(), "02:29");
  loop.advance(3000);
  EXPECT_EQ(clock.faceText(), "02:26");
  EXPECT_GE(clock.Left(), 0) << "the counting clock is on screen";
  EXPECT_GE(clock.Top(), 0);
}

}  // namespace
}  // namespace horalix::test
