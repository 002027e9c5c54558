// The settings window's tabs: the page each lays out, the hover picture, the system page's fresh
// look at the stored mode, and the help link.
#include <gtest/gtest.h>

#include <array>

#include "settings_fixture.h"

namespace horalix::test {
namespace {

class SettingsPagesTest : public SettingsFixture {
 protected:
  std::string picture(int tab) { return c("Image2", tab).Picture(); }
  // The tab pictures of the program folder: at rest (1), under the mouse (2), selected (3).
  std::string tabPicture(int which) {
    const char* files[] = {"picture\\tab-rest.bmp", "picture\\tab-hover.bmp",
                           "picture\\tab-selected.bmp"};
    return programPath(files[which - 1]);
  }
};

TEST_F(SettingsPagesTest, EachTabLaysOutItsPage) {
  const char* containers[] = {"Frame1",   "Picture7",  "Picture8", "Picture13",
                              "Picture6", "Picture10", "Picture11"};
  struct Page {
    const char* shown;                       // one character per container above
    std::vector<std::array<int, 3>> places;  // container, left, top
    const char* title;                       // Label1(8)
    std::array<int, 5> frames;  // its top, Shape1(14) height, Shape1(0) top and height, side frames
    const char* block;          // Label1(10)
  };
  // clang-format off
  const Page pages[] = {
      {"1010000", {}, "格式", {3450, 3010, 3550, 600, 1}, "时钟"},
      {"0101000", {{1, 300, 535}, {3, 300, 4050}}, "其它", {3850, 3410, 3950, 2420, 0}, "时钟"},
      {"0000111", {{4, 300, 535}, {5, 300, 3650}, {6, 300, 6680}}, "热键", {3450, 3010, 3550, 2820, 0},
       "聚光灯"},
  };
  // clang-format on
  // Every page reached from another one; the second by the label on its tab.
  for (int tab : {3, 1, 2, 3, 1}) {
    SCOPED_TRACE(tab);
    tab == 2 ? c("Lab_Tab", 2).click() : c("Image2", tab).click();
    const Page& page = pages[tab - 1];
    for (int k = 0; k < 7; ++k) EXPECT_EQ(c(containers[k]).Visible(), page.shown[k] == '1') << k;
    for (const auto& [k, left, top] : page.places) {
      EXPECT_EQ(c(containers[k]).Left(), left) << k;
      EXPECT_EQ(c(containers[k]).Top(), top) << k;
    }
    EXPECT_EQ(c("Label1", 8).Caption(), page.title);
    const std::array<int, 5> frames = {c("Label1", 8).Top(), c("Shape1", 14).Height(),
                                       c("Shape1", 0).Top(), c("Shape1", 0).Height(),
                                       c("Shape1", 15).Visible()};
    EXPECT_EQ(frames, page.frames);
    EXPECT_EQ(c("Shape1", 16).Visible(), c("Shape1", 15).Visible());
    EXPECT_EQ(c("Label1", 10).Caption(), page.block);
    for (int k = 1; k <= 6; ++k) {
      EXPECT_EQ(c("Image2", k).Height(), k == tab ? 400 : 375) << k;
      EXPECT_EQ(c("Image2", k).Top(), k == tab ? 20 : 45) << k;
      EXPECT_EQ(picture(k), tabPicture(k == tab ? 3 : 1)) << k;
    }
  }
  // Closed on the system page, the window opens again on the first.
  window.Show();
  c("Image2", 3).click();
  window.Unload();
  window.Show();
  EXPECT_TRUE(c("Frame1").Visible());
  EXPECT_FALSE(c("Picture10").Visible());
  EXPECT_EQ(c("Image2", 1).Height(), 400);
  EXPECT_FALSE(c("Image2", 4).Visible());
  EXPECT_FALSE(c("Lab_Tab", 6).Visible());
}

// The captions a user reads on each page: the overtime display's "超时负号" on the reminder
// page, the spotlight's "背景" on the system page, "自选背景" before the clock's background,
// which a transparent clock hides with its box.
TEST_F(SettingsPagesTest, EachPageShowsTheCaptionsOfItsControls) {
  const auto onScreen = [&](const std::string& caption) {
    for (const auto& control : window.controls()) {
      if (control->Caption() == caption && control->visibleOnScreen()) return true;
    }
    return false;
  };
  c("Image2", 2).click();
  EXPECT_TRUE(onScreen("超时负号"));
  EXPECT_FALSE(onScreen("背景"));
  c("Image2", 3).click();
  EXPECT_TRUE(onScreen("背景"));
  c("Image2", 1).click();
  EXPECT_TRUE(onScreen("自选背景"));
  forms.click(c("Check1", 5));
  EXPECT_FALSE(onScreen("自选背景"));
}

TEST_F(SettingsPagesTest, OnlyResultingTabsTakeTheHoverPicture) {
  window.Load();  // the first tab selected
  ASSERT_NE(tabPicture(1), tabPicture(2));
  c("Image2", 2).MouseMove(0, 0, 10, 10);
  EXPECT_EQ(picture(2), tabPicture(2));
  c("Lab_Tab", 3).MouseMove(0, 0, 10, 10);
  EXPECT_EQ(picture(3), tabPicture(2));
  EXPECT_EQ(picture(2), tabPicture(1));
  // The selected tab keeps its picture.
  c("Image2", 1).MouseMove(0, 0, 10, 10);
  EXPECT_EQ(picture(1), tabPicture(3));
  EXPECT_EQ(picture(3), tabPicture(1));
  // The window's background and the first page's frame rest every tab.
  for (auto* away : {&window.MouseMove, &c("Frame1").MouseMove}) {
    c("Image2", 2).MouseMove(0, 0, 10, 10);
    (*away)(0, 0, 10, 10);
    EXPECT_EQ(picture(2), tabPicture(1));
    EXPECT_EQ(picture(1), tabPicture(3));
  }
}

TEST_F(SettingsPagesTest, TheSystemPageShowsTheStoredModeAgain) {
  app.settings.AImode = "10100110";
  c("Option6", 1).click();
  c("Check6", 0).setValue(0);
  c("Check6", 1).setValue(1);
  c("Image2", 3).click();
  EXPECT_EQ(c("Option6", 0).Value(), 1);
  EXPECT_EQ(c("Option6", 1).Value(), 0);
  const int expected[] = {1, 0, 0, 1, 1, 0};
  for (int k = 0; k < 6; ++k) EXPECT_EQ(c("Check6", k).Value(), expected[k]) << k;
  // Manual mode's rule ran: the document kinds cannot be chosen.
  EXPECT_FALSE(c("Check6", 0).Enabled());
}

TEST_F(SettingsPagesTest, HelpOpensTheSettingsPageOrThePagesArticles) {
  platform::Control& help = c("Lab_help");
  help.click();
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine,
            "hh.exe \"" + programPath("help.chm") + "::/2.1、设置.htm\"");
  EXPECT_EQ(shell.started()[0].window, platform::Shell::Window::Maximized);
  // Ctrl held: two articles on the time pages, one other on the system page.
  help.MouseDown(1, 2, 0, 0);
  help.click();
  EXPECT_EQ(shell.opened().size(), 2u);
  c("Image2", 3).click();
  help.MouseDown(1, 2, 0, 0);
  help.click();
  ASSERT_EQ(shell.opened().size(), 3u);
  EXPECT_NE(shell.opened()[2].target, shell.opened()[0].target);
  EXPECT_NE(shell.opened()[2].target, shell.opened()[1].target);
  // Neither the viewer nor a help file: the user is told.
  shell.queueStartResult(false);
  help.click();
  EXPECT_EQ(shell.helpShown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown().back().text, "无法打开帮助文件！");
  // A help file that opens ends the chain there.
  installFile("help.chm");
  shell.queueStartResult(false);
  const std::size_t told = messageBoxes.shown().size();
  help.click();
  EXPECT_EQ(messageBoxes.shown().size(), told);
}

}  // namespace
}  // namespace horalix::test
