// The interaction window: its colours and see-through key, its font with the program's own
// fallback, its size around the text, its place on the primary or the extended screen, the mouse,
// and the submenu commands that move, close and configure it.
#include <gtest/gtest.h>

#include "interaction/interaction_settings_window.h"
#include "interaction_fixture.h"
#include "presets/statistics_window.h"
#include "services/program_values.h"

namespace horalix::test {
namespace {

constexpr int kScreenWidth = 1920 * 15;

class WindowTest : public InteractionTest {
 protected:
  // Left of the window centred on the primary screen, or on an extended screen of the same
  // width right of it.
  double centredLeft(bool extended) {
    return (kScreenWidth - interaction.Width()) / 2.0 + (extended ? kScreenWidth : 0);
  }
};

TEST_F(WindowTest, TheTextColourAndItsKeyComeFromTheDisplaySelection) {
  struct Case {
    const char* fontselect;
    std::uint32_t text, key;
  };
  const Case cases[] = {
      {"Arial\\300\\4\\0", 65535, 3341050},              // palette yellow
      {"Arial\\300\\17\\16711808", 16711808, 16711818},  // a colour of the user's
      {"Arial\\300\\0\\255", 0, 4194304},                // palette black, field 4 unused
      {"Arial\\300\\1\\0", 128, 138},
  };
  std::string ini;
  for (int i = 0; i < 4; ++i) ini += section(i + 1, "0:00:02", "11111", "5", cases[i].fontselect);
  startWith(ini);
  for (int i = 0; i < 4; ++i) {
    SCOPED_TRACE(cases[i].fontselect);
    choose(i);
    EXPECT_EQ(interaction.Picture4.ForeColor(), cases[i].text);
    EXPECT_EQ(interaction.Picture4.BackColor(), cases[i].key);
    EXPECT_TRUE(interaction.layered());
    EXPECT_EQ(interaction.colorKey(), cases[i].key);
    until("时间到");
    // Time-up is red on its own key, whatever the preset's colour.
    EXPECT_EQ(interaction.Picture4.ForeColor(), 255u);
    EXPECT_EQ(interaction.colorKey(), 3277050);
    popupCommand(2);
  }
}

TEST_F(WindowTest, AFontTheSystemLacksEndsInTheProgramsOwnTrebuchet) {
  struct Case {
    const char* face;
    bool trebucFile;  // font\trebuc.ttf present
    const char* shownFace;
  };
  // Fonts added stay for the process: the case without the file comes first.
  const Case cases[] = {
      {"DS-Digital", false, "宋体"},
      {"Arial", true, "Arial"},
      {"DS-Digital", true, "Trebuchet MS"},
      {"Trebuchet MS", true, "Trebuchet MS"},
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(testing::Message() << c.face << " " << c.trebucFile);
    if (c.trebucFile) {
      installFile("font\\trebuc.ttf");
    } else {
      files.remove(programPath("font\\trebuc.ttf"));
    }
    startWith(section(1, "0:01:00", "11111", "5", std::string(c.face) + "\\200\\4\\65535"));
    choose(0);
    EXPECT_EQ(interaction.textMeasure.realisedFont().name, c.shownFace);
    EXPECT_EQ(interaction.Picture4.realisedFont().name, c.shownFace);
    EXPECT_EQ(interaction.Picture4.Font().size, 200);
    popupCommand(2);
  }
}

TEST_F(WindowTest, TheWindowIsTheTextPlus200TwipsAndKeepsItsLeftEdgeWhileCounting) {
  startWith(section(1, "0:10:01", "11111", "5", "Arial\\300\\4\\65535"));
  choose(0);
  const auto text = forms.fonts().measure(interaction.textMeasure.realisedFont(), "10:01");
  EXPECT_EQ(interaction.Width(), text.width + 200);
  EXPECT_EQ(interaction.Height(), text.height + 200);
  EXPECT_EQ(interaction.Picture4.Width(), interaction.Width());
  // Centred on the primary screen's full-screen area (1920 x 1017 pixels).
  EXPECT_NEAR(interaction.Left(), centredLeft(false), 1);
  EXPECT_NEAR(interaction.Top(), (1017 * 15 - interaction.Height()) / 2.0, 1);
  const int left = interaction.Left(), wide = interaction.Width();
  until("9:59");
  EXPECT_LT(interaction.Width(), wide);
  EXPECT_EQ(interaction.Left(), left);
  // The text is printed centred in the window.
  const auto& op = interaction.Picture4.drawing().back();
  const auto printed = forms.fonts().measure(op.font, "9:59");
  EXPECT_NEAR(op.x, (interaction.Width() - printed.width) / 2.0, 1);
  EXPECT_NEAR(op.y, (interaction.Height() - printed.height) / 2.0, 1);
}

TEST_F(WindowTest, TheExtendedScreenCommandMovesAShownCountdownAndBack) {
  startWith(section(1, "0:05:00", "11111"));
  setSecondScreen(true);
  platform::MenuItem& item = main.hd_time_show();
  // No countdown set up yet (no preset duration): only clears the check.
  main.interactionScreenCommand();
  EXPECT_FALSE(item.Checked());
  choose(0);
  loop.advance(3000);
  const int top = interaction.Top();
  main.interactionScreenCommand();
  EXPECT_TRUE(item.Checked());
  EXPECT_NEAR(interaction.Left(), centredLeft(true), 1);
  EXPECT_EQ(interaction.Top(), top);
  interaction.setTop(top + 300);
  main.interactionScreenCommand();
  EXPECT_FALSE(item.Checked());
  EXPECT_NEAR(interaction.Left(), centredLeft(false), 1);
  EXPECT_EQ(interaction.Top(), top + 300);
  // A start with the check set centres on the extended screen.
  main.interactionScreenCommand();
  popupCommand(2);
  choose(0);
  EXPECT_NEAR(interaction.Left(), centredLeft(true), 1);
  // Without a second screen the item goes and the countdown comes back to the primary screen.
  setSecondScreen(false);
  main.interactionScreenCommand();
  EXPECT_FALSE(item.Visible());
  EXPECT_NEAR(interaction.Left(), centredLeft(false), 1);
}

TEST_F(WindowTest, TheMouseOpensThePopupAndHoldsOffKeepOnTop) {
  startWith(section(1, "0:05:00", "11111"));
  choose(0);
  tray.onPopup = platform::HeadlessTray::choose("关闭计时");
  interaction.Picture4_MouseDown(1);
  EXPECT_EQ(app.run.holdOff, 100);
  EXPECT_TRUE(tray.popups().empty());
  interaction.Picture4_MouseDown(2);
  ASSERT_EQ(tray.popups().size(), 1u);
  const auto& lines = tray.popups().back().lines;
  ASSERT_EQ(lines.size(), 2u);  // "自由互动" is never shown
  EXPECT_EQ(lines[0].caption, "暂停计时");
  EXPECT_EQ(lines[1].caption, "关闭计时");
  EXPECT_FALSE(onScreen());
  choose(0);
  tray.onPopup = platform::HeadlessTray::choose("暂停计时");
  interaction.Picture4_DblClick();
  EXPECT_FALSE(interaction.Timer1.Enabled());
}

TEST_F(WindowTest, InteractionSettingsCloseTheCountdownAndTakeTheToolWindowsPlace) {
  startWith(section(1, "0:05:00", "11111"));
  choose(0);
  until("4:58");
  app.run.openToolWindow = OpenWindow::Statistics;
  app.statisticsWindow().Show();
  main.menuItem("hd_time_set", -1).click();
  EXPECT_FALSE(onScreen());
  EXPECT_FALSE(interaction.Timer1.Enabled());
  EXPECT_EQ(sound.currentWave(), "");
  EXPECT_FALSE(app.statisticsWindow().loaded());
  EXPECT_EQ(app.run.openToolWindow, OpenWindow::InteractionSettings);
  EXPECT_TRUE(app.interactionSettingsWindow().Visible());
}

TEST_F(WindowTest, TheWindowWaitsOffScreenAndAStartPutsItOnTop) {
  startWith(section(1, "0:05:00", "11111"));
  EXPECT_FALSE(onScreen());
  EXPECT_EQ(interaction.BorderStyle(), 0);
  app.run.holdOff = 200;  // as the tray menu leaves it
  choose(0);
  EXPECT_TRUE(onScreen());
  EXPECT_EQ(app.run.holdOff, 0);
  EXPECT_TRUE(interaction.topmost());
  EXPECT_EQ(forms.zOrder().front(), &interaction);
}

TEST_F(WindowTest, TimeUpIsDrawnAtThePresetSizeButAtMost320) {
  struct Case {
    const char* size;
    double drawn;
  };
  const Case cases[] = {{"210", 210}, {"320", 320}, {"400", 320}};
  std::string ini;
  for (int i = 0; i < 3; ++i) {
    ini +=
        section(i + 1, "0:00:02", "11111", "5", std::string("Arial\\") + cases[i].size + "\\4\\0");
  }
  startWith(ini);
  for (int i = 0; i < 3; ++i) {
    SCOPED_TRACE(cases[i].size);
    choose(i);
    interaction.setLeft(500);  // dragged aside: the time-up centres it again
    until("时间到");
    EXPECT_NEAR(interaction.Left(), centredLeft(false), 1);
    // Drawn in the nearest size the screen has: within a quarter point.
    EXPECT_NEAR(interaction.Picture4.drawing().back().font.size, cases[i].drawn, 0.25);
    popupCommand(2);
    EXPECT_EQ(interaction.textMeasure.Font().size, 80);
  }
}

}  // namespace
}  // namespace horalix::test
