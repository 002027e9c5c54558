#include <gtest/gtest.h>

#include <optional>
#include <string>
#include <vector>

#include "bars/spotlight_fixture.h"
#include "bars/spotlight_menu.h"

namespace horalix::test {
namespace {

// What a user can tell of the two effects: which window is up, the check marks and the record
// of the open tool window.
struct Effects {
  bool follow = false;  // Frm_light loaded
  bool area = false;    // Frm_move_background loaded
  bool followMark = false, areaMark = false;
  OpenWindow open = OpenWindow::None;
  bool operator==(const Effects&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Effects& e) {
  return out << "{follow " << e.follow << ", area " << e.area << ", marks " << e.followMark
             << e.areaMark << ", open " << static_cast<int>(e.open) << "}";
}

class SpotlightToggleTest : public SpotlightTest {
 protected:
  Effects effects() {
    return {light.loaded(), layer.loaded(), main.MouseLight(0).Checked(),
            main.MouseLight(1).Checked(), app.run.openToolWindow};
  }
};

TEST_F(SpotlightToggleTest, MenuItemsSwitchTheEffectsAndOneClosesTheOther) {
  enum Step { Follow, Area, FollowKey, AreaKey, Settings };
  struct Case {
    Step step;
    Effects after;
    int areaLoads;  // how often the dark layer has been loaded so far
  };
  const Effects none{false, false, false, false, OpenWindow::None};
  const Effects follow{true, false, true, false, OpenWindow::FollowSpotlight};
  const Effects area{false, true, false, true, OpenWindow::SpotlightArea};
  const Case cases[] = {
      {Follow, follow, 0},
      {Follow, none, 0},  // the same item again switches it off
      {Follow, follow, 0},
      {Area, area, 1},     // the other effect closes the follow mode first
      {Area, area, 2},     // the same item again starts a new area selection
      {AreaKey, none, 2},  // the hot key ends it instead
      {AreaKey, area, 3},
      {Follow, follow, 3},  // follow mode closes the dark layer
      {FollowKey, none, 3},
      {AreaKey, area, 4},
      {Settings,
       {false, false, false, false, OpenWindow::Settings},
       4},  // another tool window closes it
  };
  for (const Case& c : cases) {
    switch (c.step) {
      case Follow:
        chooseFollow();
        break;
      case Area:
        chooseArea();
        break;
      case FollowKey:
        spotlightHotKey(app.spotlights, 0);
        break;
      case AreaKey:
        spotlightHotKey(app.spotlights, 1);
        break;
      case Settings:
        main.menu_two_Click(2);
        break;
    }
    loop.advance(50);
    EXPECT_EQ(effects(), c.after) << "after step " << &c - cases;
    EXPECT_EQ(forms.loadCount("Frm_move_background"), c.areaLoads) << "after step " << &c - cases;
  }
}

TEST_F(SpotlightToggleTest, EndingTheDarkLayerWhileTheVeilIsUpTakesTheVeilWithIt) {
  chooseArea();
  loop.advance(30);
  ASSERT_TRUE(veil.loaded() && veil.Visible()) << "the veil takes over after 30 ms";
  spotlightHotKey(app.spotlights, 1);
  EXPECT_FALSE(veil.loaded()) << "a veil left behind would take every mouse click";
  EXPECT_FALSE(layer.loaded());
  chooseArea();
  loop.advance(30);
  chooseFollow();
  EXPECT_FALSE(veil.loaded());
  EXPECT_FALSE(layer.loaded());
}

TEST_F(SpotlightTest, OpacityOfBothEffectsComesFromBacklight) {
  struct Case {
    std::optional<std::string> backlight;
    int alpha;
  };
  const Case cases[] = {
      {std::nullopt, 178}, {"", 178},     {"70", 178},  {"100", 255}, {"5", 26},
      {"10", 26},          {"9.4", 26},   {"250", 255}, {"55", 140},  {" 72 ", 184},
      {"70.5", 178},       {"71.5", 184}, {"abc", 26},  {"-40", 26},  {"1e999", 255},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.backlight.value_or("<missing>"));
    setLight("backlight", c.backlight);
    desktop.setCursor(platform::PixelPoint{100, 100});
    chooseFollow();
    EXPECT_EQ(lastAlpha("Frm_light"), c.alpha);
    chooseFollow();

    chooseArea();
    loop.advance(30);
    forms.mouseDown(veil, 1, 1500, 1500);
    forms.mouseMove(veil, 0, 6000, 4500);
    forms.mouseDown(veil, 1, 6000, 4500);
    loop.advance(100);
    EXPECT_EQ(lastAlpha("Frm_move_background"), c.alpha);
    forms.dblClick(layer);
  }
}

TEST_F(SpotlightTest, SpotBitmapIsNamedByClocklight) {
  installBitmap("LightPic\\000.bmp", 300, 300);
  installBitmap("LightPic\\132.bmp", 200, 80);
  struct Case {
    std::optional<std::string> clocklight;
    std::string bitmap;  // "" for the built-in disc
    int widthPx, heightPx;
  };
  const Case cases[] = {
      {std::nullopt, "000.bmp", 300, 300},
      {"", "000.bmp", 300, 300},
      {"132", "132.bmp", 200, 80},
      {" 132 ", "132.bmp", 200, 80},
      {"13", "000.bmp", 300, 300},
      {"1320", "000.bmp", 300, 300},
      {"021", "", 131, 130},  // no such file: the built-in disc stays
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.clocklight.value_or("<missing>"));
    setLight("clocklight", c.clocklight);
    chooseFollow();
    if (c.bitmap.empty()) {
      EXPECT_EQ(light.Picture1.Picture(), "");
      const auto& drawing = light.Picture1.drawing();
      ASSERT_FALSE(drawing.empty());
      EXPECT_EQ(drawing.back().kind, platform::DrawOp::Kind::Ellipse);
      EXPECT_EQ(drawing.back().color, 0xFFFFFFu) << "the disc is the see-through colour";
    } else {
      EXPECT_EQ(light.Picture1.Picture(), programPath("LightPic\\" + c.bitmap));
    }
    EXPECT_EQ(light.Picture1.Width(), c.widthPx * 15);
    EXPECT_EQ(light.Picture1.Height(), c.heightPx * 15);
    chooseFollow();
  }
}

TEST_F(SpotlightTest, FollowModeCoversTheScreenAndCentresTheSpotOnThePointer) {
  installBitmap("LightPic\\000.bmp", 200, 100);
  desktop.setCursor(platform::PixelPoint{500, 300});
  chooseFollow();
  EXPECT_EQ(light.Left(), 0);
  EXPECT_EQ(light.Top(), 0);
  EXPECT_EQ(light.Width(), 1920 * 15);
  EXPECT_EQ(light.Height(), 1040 * 15 + 3000) << "the task bar is covered too";
  EXPECT_TRUE(light.Visible());
  loop.advance(10);
  EXPECT_EQ(light.Picture1.Left(), 500 * 15 - 1500);
  EXPECT_EQ(light.Picture1.Top(), 300 * 15 - 750);
  desktop.setCursor(platform::PixelPoint{0, 1079});
  loop.advance(10);
  EXPECT_EQ(light.Picture1.Left(), -1500);
  EXPECT_EQ(light.Picture1.Top(), 1079 * 15 - 750);
  // The pointer over the dark area moves the spot at once, in the window's twips.
  forms.mouseMove(light, 0, 9000, 6000);
  EXPECT_EQ(light.Picture1.Left(), 9000 - 1500);
  EXPECT_EQ(light.Picture1.Top(), 6000 - 750);
}

TEST_F(SpotlightTest, FollowModeKeepsOnTopUnlessItsHoldOffCounterRuns) {
  chooseFollow();
  loop.advance(500);
  EXPECT_EQ(app.run.holdOff, 200) << "the other windows hold off while it is open";
  EXPECT_EQ(topmostCount("Frm_light"), 1);
  // A right click on the clock holds the spotlight back for 20 ticks: 10 seconds.
  light.stayBelowMenu();
  loop.advance(10000);
  EXPECT_EQ(topmostCount("Frm_light"), 1);
  loop.advance(500);
  EXPECT_EQ(topmostCount("Frm_light"), 2);
  loop.advance(500);
  EXPECT_EQ(topmostCount("Frm_light"), 3);
  // Closed while held back, it opens again without the hold-back.
  light.stayBelowMenu();
  chooseFollow();
  chooseFollow();
  loop.advance(500);
  EXPECT_EQ(topmostCount("Frm_light"), 4);
}

TEST_F(SpotlightTest, ClosedSpotlightStopsItsTimers) {
  chooseFollow();
  chooseFollow();
  const int before = topmostCount("Frm_light");
  app.run.holdOff = 0;
  loop.advance(2000);
  EXPECT_EQ(topmostCount("Frm_light"), before);
  EXPECT_EQ(app.run.holdOff, 0);
}

}  // namespace
}  // namespace horalix::test
