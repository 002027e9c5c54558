#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bars/spotlight_fixture.h"

namespace horalix::test {
namespace {

class AreaSpotlightTest : public SpotlightTest {
 protected:
  // Opens the effect from the menu and lets the veil take over.
  void openVeil() {
    chooseArea();
    loop.advance(30);
  }
  // Opens the effect and marks the rectangle from (1500, 3000) to (4500, 6000) on the veil; the
  // layer is built from it.
  void openWithAMarkedRectangle() {
    openVeil();
    forms.mouseDown(veil, 1, 1500, 3000);
    forms.mouseMove(veil, 0, 4500, 6000);
    forms.mouseDown(veil, 1, 4500, 6000);
    loop.advance(100);
  }
  // The clear rectangle: left, top, width, height.
  std::vector<int> clearArea() const {
    const platform::Control& box = layer.Picture1;
    return {box.Left(), box.Top(), box.Width(), box.Height()};
  }
};

TEST_F(AreaSpotlightTest, LayerWaitsOutOfSightWhileTheVeilTakesTheMouse) {
  chooseArea();
  EXPECT_TRUE(layer.Visible());
  EXPECT_LT(layer.Left() + layer.Width(), 0) << "shown, but off the screen";
  EXPECT_LT(layer.Top() + layer.Height(), 0);
  EXPECT_FALSE(veil.loaded());
  loop.advance(29);
  EXPECT_FALSE(veil.loaded());
  loop.advance(1);
  EXPECT_FALSE(layer.Visible());
  ASSERT_TRUE(veil.loaded());
  EXPECT_TRUE(veil.Visible());
  EXPECT_EQ(std::vector<int>({veil.Left(), veil.Top(), veil.Width(), veil.Height()}),
            std::vector<int>({0, 0, 1920 * 15, 1080 * 15}));
  EXPECT_EQ(lastAlpha("Frm_move_before"), 20) << "almost invisible, white see-through";
  EXPECT_EQ(veil.MousePointer(), platform::MousePointer::Cross)
      << "the corners are marked with a cross";
  loop.advance(1000);
  EXPECT_EQ(forms.loadCount("Frm_move_before"), 1) << "the hand-over happens once";
}

// Presses and moves on the veil, in twips; the layer built from them 100 ms after the
// closing press.
TEST_F(AreaSpotlightTest, TwoPressesWithAMoveBetweenMarkTheClearRectangle) {
  struct Input {
    bool press;
    float x, y;
  };
  struct Case {
    const char* what;
    std::vector<Input> inputs;
    SpotlightDarkLayer::Corners corners;  // the layer's rectangle when the veil closes
    std::vector<int> clear;               // left, top, width, height
  };
  const Case cases[] = {
      {"top left to bottom right",
       {{true, 1500, 3000}, {false, 4500, 6000}, {true, 4500, 6000}},
       {1500, 3000, 4500, 6000},
       {1500, 3000, 3000, 3000}},
      {"bottom right to top left",
       {{true, 4500, 6000}, {false, 1500, 3000}, {true, 1500, 3000}},
       {4500, 6000, 1500, 3000},
       {1500, 3000, 3000, 3000}},
      {"top right to bottom left",
       {{true, 4500, 3000}, {false, 1500, 6000}, {true, 1500, 6000}},
       {4500, 3000, 1500, 6000},
       {1500, 3000, 3000, 3000}},
      {"a press without a move only moves the first corner",
       {{true, 100, 100}, {true, 1500, 3000}, {false, 2500.5f, 3333.25f}, {true, 0, 0}},
       {1500, 3000, 2500.5f, 3333.25f},
       {1500, 3000, 1000, 333}},
      {"the last move before the press counts",
       {{true, 1500, 3000}, {false, 9000, 9000}, {false, 3000, 4500}, {true, 7000, 7000}},
       {1500, 3000, 3000, 4500},
       {1500, 3000, 1500, 1500}},
      {"zero width leaves the whole screen dark",
       {{true, 1500, 3000}, {false, 1500, 6000}, {true, 1500, 6000}},
       {1500, 3000, 1500, 6000},
       {1500, 3000, 0, 3000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    openVeil();
    for (std::size_t i = 0; i < c.inputs.size(); ++i) {
      ASSERT_TRUE(veil.loaded()) << "the veil closed before input " << i;
      const Input& in = c.inputs[i];
      if (in.press) {
        forms.mouseDown(veil, 1, in.x, in.y);
      } else {
        forms.mouseMove(veil, 0, in.x, in.y);
      }
    }
    EXPECT_FALSE(veil.loaded()) << "the closing press closes the veil";
    EXPECT_EQ(layer.markedCorners(), c.corners);
    EXPECT_FALSE(layer.Visible()) << "the layer waits 100 ms";
    loop.advance(99);
    EXPECT_FALSE(layer.Visible());
    loop.advance(1);
    EXPECT_TRUE(layer.Visible());
    EXPECT_EQ(std::vector<int>({layer.Left(), layer.Top(), layer.Width(), layer.Height()}),
              std::vector<int>({0, 0, 1920 * 15, 1080 * 15}));
    EXPECT_EQ(clearArea(), c.clear);
    const bool seeThrough = !layer.Picture1.drawing().empty() &&
                            layer.Picture1.drawing().back().kind == platform::DrawOp::Kind::Box &&
                            layer.Picture1.drawing().back().color == 0xFFFFFFu;
    EXPECT_EQ(seeThrough, c.clear[2] > 60 && c.clear[3] > 60)
        << "white inside a frame of two pixels, when there is an inside";
    forms.dblClick(layer);
  }
}

TEST_F(AreaSpotlightTest, PressesWithoutAMoveBuildNoLayer) {
  openVeil();
  for (int i = 0; i < 5; ++i) forms.mouseDown(veil, i % 2 ? 2 : 1, 1000.0f * i, 500);
  loop.advance(1000);
  EXPECT_TRUE(veil.loaded());
  EXPECT_FALSE(layer.Visible());
  EXPECT_TRUE(veil.dragging());
  EXPECT_FALSE(veil.drawn());
  // Moves before the first press draw nothing either.
  veil.Unload();
  openVeil();
  forms.mouseMove(veil, 0, 3000, 3000);
  EXPECT_FALSE(veil.drawn());
  EXPECT_FALSE(veil.Mark.Visible());
  forms.mouseDown(veil, 2, 1000, 1000);
  forms.mouseMove(veil, 0, 3000, 4000);
  EXPECT_TRUE(veil.Mark.Visible());
  EXPECT_EQ(
      std::vector<int>({veil.Mark.Left(), veil.Mark.Top(), veil.Mark.Width(), veil.Mark.Height()}),
      std::vector<int>({1000, 1000, 2000, 3000}));
}

TEST_F(AreaSpotlightTest, ClearRectangleMovesOnlyWithTheLeftButtonAlone) {
  openWithAMarkedRectangle();
  ASSERT_EQ(clearArea(), std::vector<int>({1500, 3000, 3000, 3000}));
  struct Case {
    int button;
    std::vector<int> after;
  };
  const Case cases[] = {
      {1, {1800, 3200, 3000, 3000}},  // grabbed at (100, 100), moved to (400, 300)
      {2, {1500, 3000, 3000, 3000}},
      {3, {1500, 3000, 3000, 3000}},
      {0, {1500, 3000, 3000, 3000}},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.button);
    layer.Picture1.move(1500, 3000, 3000, 3000);
    forms.mouseDown(layer.Picture1, c.button == 0 ? 1 : c.button, 100, 100);
    forms.mouseMove(layer.Picture1, c.button, 400, 300);
    EXPECT_EQ(clearArea(), c.after);
  }
}

// A rectangle marked in an earlier opening is gone with it: built before the veil marks a new
// one, the layer keeps its clear rectangle where the load put it.
TEST_F(AreaSpotlightTest, ARectangleMarkedBeforeDoesNotOutliveItsOpening) {
  openWithAMarkedRectangle();
  ASSERT_EQ(clearArea(), std::vector<int>({1500, 3000, 3000, 3000}));
  forms.dblClick(layer);
  chooseArea();
  EXPECT_FALSE(layer.markedCorners());
  layer.buildSoon();
  loop.advance(100);
  EXPECT_TRUE(layer.Visible());
  EXPECT_EQ(clearArea(), std::vector<int>({0, 0, 915 * 15, 34 * 15}));
}

TEST_F(AreaSpotlightTest, DoubleClickEndsTheEffect) {
  openWithAMarkedRectangle();
  ASSERT_TRUE(layer.Visible());
  ASSERT_TRUE(main.MouseLight(1).Checked());
  ASSERT_EQ(app.run.openToolWindow, OpenWindow::SpotlightArea);
  forms.dblClick(layer);
  EXPECT_FALSE(layer.loaded());
  EXPECT_FALSE(main.MouseLight(1).Checked());
  EXPECT_EQ(app.run.openToolWindow, OpenWindow::None);
  EXPECT_FALSE(layer.Timer1.Enabled() || layer.Timer2.Enabled() || layer.Timer3.Enabled());
  // The menu item then opens it afresh.
  chooseArea();
  EXPECT_TRUE(layer.loaded());
  EXPECT_TRUE(main.MouseLight(1).Checked());
}

TEST_F(AreaSpotlightTest, DarkLayerKeepsOnTopAndHoldsTheOthersBack) {
  chooseArea();
  app.run.holdOff = 0;
  loop.advance(300);
  EXPECT_EQ(app.run.holdOff, 30);
  EXPECT_EQ(topmostCount("Frm_move_background"), 1);
  loop.advance(600);
  EXPECT_EQ(topmostCount("Frm_move_background"), 3);
  forms.dblClick(layer);
  loop.advance(600);
  EXPECT_EQ(topmostCount("Frm_move_background"), 3);
}

}  // namespace
}  // namespace horalix::test
