#include <gtest/gtest.h>

#include <optional>
#include <string>

#include "main/main_window.h"
#include "prompt_bar_fixture.h"
#include "services/program_folder.h"
#include "services/program_values.h"

namespace horalix::test {
namespace {

constexpr int kUnset = -100;
constexpr int kCentred = -1;  // expected left: centred over the primary screen
constexpr int kBelowTop = 200;

TEST_F(PromptBarTest, LoadingParksTheBarCentredAboveTheScreen) {
  EXPECT_EQ(bar.Top(), -bar.Height() - 5000);
  EXPECT_EQ(bar.Left(), centredLeft(bar));
  EXPECT_TRUE(fitsItsText(bar));
  EXPECT_EQ(bar.BorderStyle(), 0);
}

TEST_F(PromptBarTest, TheBarGoesToItsStoredPlaceOrCentredWhenThatDoesNotFit) {
  struct Case {
    const char* name;
    std::optional<int> iniLeft, iniTop;
    std::optional<int> regLeft, regTop;
    bool shell;
    int left, top;  // kCentred for the centred left
  };
  const int w = screenWidth(), h = screenHeight();
  askForBar("1", 60400);
  const int flushRight = w - bar.Width();
  const Case cases[] = {
      {"file", 3000, 1500, 9000, 9000, true, 3000, 1500},
      {"left unset in the file: both from the registry", kUnset, 1500, 4000, 2000, true, 4000,
       2000},
      {"nothing in the file", std::nullopt, std::nullopt, 4000, 2000, true, 4000, 2000},
      {"registry functions when the shell fails", kUnset, kUnset, 4000, 2000, false, 4000, 2000},
      {"stored nowhere", kUnset, 1500, std::nullopt, std::nullopt, true, kCentred, kBelowTop},
      {"stored nowhere, shell failing", std::nullopt, std::nullopt, std::nullopt, std::nullopt,
       false, kCentred, kBelowTop},
      {"corner", 0, 0, std::nullopt, std::nullopt, true, 0, 0},
      {"flush with the right edge", flushRight, 1500, std::nullopt, std::nullopt, true, flushRight,
       1500},
      {"past the right edge", w, 1500, std::nullopt, std::nullopt, true, kCentred, 1500},
      {"top edge on the bottom edge", 3000, h, std::nullopt, std::nullopt, true, 3000, h},
      {"below the screen", 3000, h + 1, std::nullopt, std::nullopt, true, 3000, kBelowTop},
      {"negative", -5, -5, std::nullopt, std::nullopt, true, kCentred, kBelowTop},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    installFile("TimeData.db", "");
    if (c.iniLeft) writeIni("clocksite", "processleft", std::to_string(*c.iniLeft));
    if (c.iniTop) writeIni("clocksite", "processtop", std::to_string(*c.iniTop));
    for (const auto& [name, value] :
         {std::pair{"processleft", c.regLeft}, {"processtop", c.regTop}}) {
      if (value) {
        programValues(app.platform).writeNumber(name, *value);
      } else {
        programValues(app.platform).remove(name);
      }
    }
    scriptingShell.setAvailable(c.shell);
    askForBar("1", 60400);
    EXPECT_EQ(bar.Left(), c.left == kCentred ? centredLeft(bar) : c.left);
    EXPECT_EQ(bar.Top(), c.top);
    scriptingShell.setAvailable(true);
  }
}

TEST_F(PromptBarTest, ADragIsClampedToTheScreenAndStored) {
  struct Case {
    const char* name;
    float dx, dy;
    int left, top;  // -1: the right edge / the bottom edge
  };
  const Case cases[] = {
      {"inside", 1500, 750, 4500, 2250},
      {"past the left and top edges", -9000, -9000, 0, 0},
      {"past the right edge", 60000, 0, -1, 1500},
      {"below the screen", 0, 60000, 3000, -1},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.name);
    storePosition(3000, 1500);
    askForBar("1", 60400);
    ASSERT_EQ(bar.Left(), 3000);
    app.run.holdOff = 0;
    forms.mouseDown(bar.Label1, 1, 300, 200);
    EXPECT_EQ(app.run.holdOff, 100);
    forms.mouseMove(bar.Label1, 1, 300 + c.dx, 200 + c.dy);
    const int left = c.left == -1 ? screenWidth() - bar.Width() : c.left;
    const int top = c.top == -1 ? screenHeight() : c.top;
    EXPECT_EQ(bar.Left(), left);
    EXPECT_EQ(bar.Top(), top);
    EXPECT_EQ(variantText(IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite",
                                       "processleft", "")),
              std::to_string(left));
    EXPECT_EQ(variantText(IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite",
                                       "processtop", "")),
              std::to_string(top));
    EXPECT_EQ(programValues(app.platform).readInt32("processleft"), left);
    EXPECT_EQ(programValues(app.platform).readInt32("processtop"), top);
    EXPECT_TRUE(onScreen(bar));  // the text update runs: the bar stays
  }
}

TEST_F(PromptBarTest, TheSystemsDragMovesTheBarBeforeThePointersOffsetIsAdded) {
  storePosition(3000, 1500);
  askForBar("1", 60400);
  desktop.setDragDrop(100, 50);
  forms.mouseDown(bar, 1, 300, 200);
  forms.mouseMove(bar, 1, 360, 230);
  ASSERT_EQ(desktop.drags().size(), 1u);
  EXPECT_EQ(bar.Left(), 3000 + 1500 + 60);
  EXPECT_EQ(bar.Top(), 1500 + 750 + 30);
  EXPECT_EQ(programValues(app.platform).readInt32("processleft"), bar.Left());
  EXPECT_EQ(programValues(app.platform).readInt32("processtop"), bar.Top());
  // A right press keeps no grab point: the next drag measures from the left press.
  forms.mouseDown(bar.Label1, 2, 0, 0);
  desktop.setDragDrop(0, 0);
  forms.mouseMove(bar.Label1, 1, 300, 200);
  EXPECT_EQ(bar.Left(), 3000 + 1500 + 60);
}

TEST_F(PromptBarTest, MovingThePointerOverABarWithoutItsTextUpdateParksIt) {
  storePosition(3000, 1500);
  askForBar("1", 60400);
  forms.mouseMove(bar, 0, 10, 10);
  EXPECT_TRUE(onScreen(bar));
  bar.Timer2.setEnabled(false);
  forms.mouseMove(bar, 0, 10, 10);
  EXPECT_TRUE(parked(bar));
  EXPECT_EQ(app.run.holdOff, 100);
  // Only a drag stores a position.
  EXPECT_EQ(variantText(IniReadWrite(files, "readpart", iniPath(app.platform), "clocksite",
                                     "processleft", "")),
            "3000");
}

}  // namespace
}  // namespace horalix::test
