// The floating clock under the mouse, through the headless window host: a press on the face
// switches the view or opens the tray menu, a drag moves the clock and stores where it was
// dropped, and the hover button shows while the cursor rests on the face and starts or stops a
// run when clicked.
#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "bars/follow_spotlight.h"
#include "main/timing_control.h"
#include "services/ini_read_write.h"
#include "services/program_folder.h"
#include "services/variant.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

constexpr int kLeft = 1, kRight = 2, kMiddle = 4;
// The primary screen's full-screen area in twips: 1920 x 1017 pixels at 15 twips a pixel.
constexpr int W = 1920 * 15;
constexpr int H = 1017 * 15;

class ClockMouseTest : public MainWindowTest {
 protected:
  ClockMouseTest() {
    start();
    clock.Timer5.setEnabled(true);
    runStart();
    mirrorRunStart();
    clock.move(3000, 1500, clock.Width(), clock.Height());
    app.run.holdOff = 0;
  }
  bool countInView(ClockWindow& window) { return window.view() == ClockWindow::FaceView::Count; }
  bool timeOfDayInView(ClockWindow& window) {
    return window.view() == ClockWindow::FaceView::TimeOfDay;
  }
  std::string storedIni(const char* key) {
    return variantText(
        IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite", key, ""));
  }
  // The cursor over the pixel (x, y) of the face, counted from the window's corner.
  void cursorAt(int x, int y) {
    desktop.setCursor(platform::PixelPoint{clock.Left() / 15 + x, clock.Top() / 15 + y});
  }
};

TEST_F(ClockMouseTest, ALeftClickSwitchesTheViewOfBothClocksUnlessClicksKeepIt) {
  setSecondScreen(false);
  setOption(app.settings.checkvalue, CheckFlag::KeepTimeText, false);
  forms.mouseDown(clock.Picture2, kLeft, 30, 45);
  EXPECT_EQ(app.run.holdOff, 100);
  EXPECT_TRUE(timeOfDayInView(clock));
  EXPECT_TRUE(timeOfDayInView(mirror)) << "the mirror's labels follow";
  clock.setFaceText("09:15");
  const std::string mirrorBefore = drawnText(mirror);
  forms.mouseDown(clock.Picture1, kLeft, 30, 45);
  EXPECT_TRUE(countInView(clock)) << "a second click switches back";
  EXPECT_TRUE(countInView(mirror));
  EXPECT_EQ(drawnText(clock), "09:15") << "the face is drawn anew with the shown text";
  EXPECT_EQ(drawnText(mirror), mirrorBefore)
      << "the mirror is not laid out off the extended screen";

  setSecondScreen(true);
  forms.mouseDown(clock.Picture2, kLeft, 30, 45);
  EXPECT_EQ(drawnText(mirror), "09:15") << "on the extended screen the mirror is drawn too";

  setOption(app.settings.checkvalue, CheckFlag::KeepTimeText, true);
  forms.mouseDown(clock.Picture2, kLeft, 30, 45);
  EXPECT_TRUE(timeOfDayInView(clock)) << "clicks set to keep the view leave it";
  EXPECT_TRUE(tray.popups().empty()) << "a left click never opens the menu";
}

TEST_F(ClockMouseTest, OtherButtonsOpenTheTrayMenuAtTheBottomEdgeOrAtThePointer) {
  struct Case {
    const char* name;
    int button;
    bool seeThrough;
    OpenWindow openTool;
    std::optional<platform::PixelPoint> at;
    int spotlightHold;
  };
  // The clock stands at (200, 100) pixels; the press is 45 twips (3 pixels) from its left.
  const int bottom = (1500 + clock.Height()) / 15;
  const Case cases[] = {
      {"right, opaque", kRight, false, OpenWindow::None, platform::PixelPoint{203, bottom}, 0},
      {"middle, opaque", kMiddle, false, OpenWindow::None, platform::PixelPoint{203, bottom}, 0},
      {"right, see-through", kRight, true, OpenWindow::None, std::nullopt, 0},
      {"spotlight open", kRight, true, OpenWindow::FollowSpotlight, std::nullopt, 20},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    setOption(app.settings.checkvalue, CheckFlag::TransparentBack, c.seeThrough);
    app.run.openToolWindow = c.openTool;
    const std::size_t before = tray.popups().size();
    forms.mouseDown(clock.Picture2, c.button, 45, 30);
    ASSERT_EQ(tray.popups().size(), before + 1);
    const platform::PopupRecord& shown = tray.popups().back();
    EXPECT_EQ(shown.form, "time_glass");
    ASSERT_EQ(shown.at.has_value(), c.at.has_value());
    if (c.at) {
      EXPECT_EQ(shown.at->x, c.at->x);
      EXPECT_EQ(shown.at->y, c.at->y);
    }
    EXPECT_EQ(app.followSpotlight().ticksBelowMenu(), c.spotlightHold);
    EXPECT_TRUE(countInView(clock));
  }
}

TEST_F(ClockMouseTest, ADragStoresWhereTheDropReachedAndKeepsTheClockOnTheScreen) {
  struct Case {
    const char* name;
    int dropX, dropY;     // pixels the system moved the window
    int endLeft, endTop;  // -1: flush with the right edge / top on the bottom edge
  };
  const Case cases[] = {
      {"inside", 100, 50, 4500 + 60, 2250 + 30},
      {"past the left and top edges", -400, -300, 0, 0},
      {"past the right edge", 2000, 0, -1, 1500 + 30},
      {"below the screen", 0, 1200, 3000 + 60, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    clock.move(3000, 1500, clock.Width(), clock.Height());
    desktop.setDragDrop(c.dropX, c.dropY);
    forms.mouseDown(clock.Picture2, kLeft, 300, 200);
    forms.mouseMove(clock.Picture2, kLeft, 360, 230);
    const int reachedLeft = 3000 + c.dropX * 15, reachedTop = 1500 + c.dropY * 15;
    EXPECT_EQ(storedIni("clockleft"), std::to_string(reachedLeft));
    EXPECT_EQ(storedIni("clocktop"), std::to_string(reachedTop));
    EXPECT_EQ(programValues(app.platform).readInt32("clockleft"), reachedLeft);
    EXPECT_EQ(clock.Left(), c.endLeft == -1 ? W - clock.Width() : c.endLeft);
    EXPECT_EQ(clock.Top(), c.endTop == -1 ? H : c.endTop);
    EXPECT_TRUE(clock.Timer7.Enabled());
  }
  EXPECT_EQ(desktop.drags().size(), 4u);
  // Just past the right edge (by the pointer's offset alone) is flush with it too.
  clock.move(3000, 1500, clock.Width(), clock.Height());
  const int dropX = (W - clock.Width() - 3000) / 15;
  desktop.setDragDrop(dropX, 0);
  const float beyond = static_cast<float>(W - clock.Width() + 300 - (3000 + dropX * 15));
  forms.mouseDown(clock.Picture2, kLeft, 300, 200);
  forms.mouseMove(clock.Picture2, kLeft, 300 + beyond, 200);
  EXPECT_EQ(clock.Left(), W - clock.Width());
  desktop.setDragDrop(0, 0);
  // A move without the left button only wakes the hover watch.
  clock.move(3000, 1500, clock.Width(), clock.Height());
  forms.mouseMove(clock.Picture1, kRight, 360, 230);
  forms.mouseMove(clock.Picture1, 0, 360, 230);
  EXPECT_EQ(desktop.drags().size(), 5u);
  EXPECT_EQ(clock.Left(), 3000);
  EXPECT_EQ(app.run.holdOff, 100) << "set by the drags over the text box";
  app.run.holdOff = 0;
  forms.mouseMove(clock.Picture1, 0, 360, 230);
  EXPECT_EQ(app.run.holdOff, 0) << "over the outer box the hold-off stays";
}

TEST_F(ClockMouseTest, TheHoverButtonShowsPlayOrStopWhileTheCursorRestsOnTheFace) {
  const int side = clock.Picture1.Height();
  const std::string play = programPath("picture\\hover-play.bmp");
  const std::string stop = programPath("picture\\hover-stop.bmp");
  cursorAt(5, 5);
  forms.mouseMove(clock.Picture2, 0, 75, 75);
  loop.advance(499);
  EXPECT_FALSE(clock.Image1.Visible()) << "the first look comes after 500 ms";
  loop.advance(1);
  EXPECT_TRUE(clock.Image1.Visible());
  EXPECT_EQ(clock.Image1.Picture(), play);
  EXPECT_EQ(clock.Image1.Left(), 0);
  EXPECT_EQ(clock.Image1.Top(), 0);
  EXPECT_EQ(clock.Image1.Width(), side);
  EXPECT_EQ(clock.Image1.Height(), side);
  EXPECT_EQ(app.run.holdOff, 150);
  EXPECT_EQ(clock.Timer7.Interval(), 100);

  StartTiming(app.mainNeeds);
  runStart();
  mirrorRunStart();
  loop.advance(1000);  // the clock placed and shown
  clock.Image1.setVisible(false);
  cursorAt(5, 5);
  forms.mouseMove(clock.Image1, 0, 10, 10);
  loop.advance(100);
  ASSERT_TRUE(clock.Image1.Visible());
  EXPECT_EQ(clock.Image1.Picture(), stop) << "a run is going";

  // On the face's edge the cursor counts as outside.
  const int topmostBefore = forms.raiseCount("time_glass");
  cursorAt(0, 5);
  loop.advance(100);
  EXPECT_FALSE(clock.Image1.Visible());
  EXPECT_FALSE(clock.Timer7.Enabled());
  EXPECT_EQ(app.run.holdOff, 0);
  EXPECT_GT(forms.raiseCount("time_glass"), topmostBefore);

  // With the tray menu up the re-topping waits.
  app.run.trayMenuOpen = true;
  cursorAt(5, 5);
  forms.mouseMove(clock.Picture1, 0, 75, 75);
  loop.advance(500);
  desktop.setCursor(std::nullopt);
  loop.advance(100);
  EXPECT_EQ(app.run.holdOff, 95) << "100, lowered by the keep-on-top call that follows";
  app.run.trayMenuOpen = false;

  // In automatic mode no button shows, but the windows still hold off.
  setAutomaticTiming(true);
  app.settings.AImode = "01111101";
  cursorAt(5, 5);
  forms.mouseMove(clock.Picture2, 0, 75, 75);
  loop.advance(500);
  EXPECT_FALSE(clock.Image1.Visible());
  EXPECT_EQ(app.run.holdOff, 150);
}

TEST_F(ClockMouseTest, TheHoverButtonStartsARunAndStopsTheRunningOne) {
  ASSERT_TRUE(main.menu_one(1).Enabled());
  clock.Image1.setVisible(true);
  forms.mouseDown(clock.Image1, kLeft, 10, 10);
  forms.mouseUp(clock.Image1, kLeft, 10, 10);
  forms.click(clock.Image1);
  runStart();
  mirrorRunStart();
  EXPECT_FALSE(main.menu_one(1).Enabled()) << "the click started a run";
  EXPECT_TRUE(clock.Timer1.Enabled());
  forms.click(clock.Image1);
  loop.advance(1000);
  EXPECT_TRUE(main.menu_one(1).Enabled()) << "the second click stopped it, not paused it";
  EXPECT_EQ(app.run.binding.text(), "");

  // A right press opens the menu at the pointer and leaves the hold-off alone.
  app.run.holdOff = 0;
  forms.mouseDown(clock.Image1, kRight, 10, 10);
  forms.mouseDown(clock.Image1, kMiddle, 10, 10);
  ASSERT_EQ(tray.popups().size(), 1u);
  EXPECT_FALSE(tray.popups().back().at.has_value());
  EXPECT_EQ(app.run.holdOff, 0);
}

}  // namespace
}  // namespace horalix::test
