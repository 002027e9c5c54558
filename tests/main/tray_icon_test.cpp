#include <gtest/gtest.h>

#include "main/main_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

using platform::TrayMouse;

class TrayIconTest : public MainWindowTest {};

TEST_F(TrayIconTest, StartAddsTheIconWithTheCaptionAsTipAndAShortBalloon) {
  start();
  ASSERT_TRUE(tray.iconShown());
  EXPECT_EQ(tray.owner(), "Frm_exit");
  EXPECT_EQ(main.Caption(), MainWindow::titleWithEdition());
  EXPECT_EQ(tray.tip(), main.Caption()) << "the balloon leaves the tip as it was";
  ASSERT_EQ(tray.balloons().size(), 1u);
  EXPECT_EQ(tray.balloons()[0].title, "Horalix");
  EXPECT_EQ(tray.balloons()[0].text, "  鼠标右键单击，显示右键菜单  ");
  EXPECT_EQ(tray.balloons()[0].timeoutMs, 2000);
  EXPECT_EQ(tray.icon(), "") << "without picture\\icon.ico the program's own icon shows";
  EXPECT_TRUE(main.Timer4.Enabled()) << "the document watch starts with the window";
}

TEST_F(TrayIconTest, AnIconFileInThePictureFolderReplacesTheProgramsIcon) {
  installFile("picture\\icon.ico", "icon");
  start();
  EXPECT_EQ(tray.icon(), programPath("picture\\icon.ico"));
}

TEST_F(TrayIconTest, OnlyRightClicksHoldTheClocksBackAndOnlyASingleOneOpensTheMenu) {
  start();
  struct Case {
    TrayMouse event;
    int holdoff;
    std::size_t menus;
  };
  const Case cases[] = {
      {TrayMouse::LeftUp, 0, 0},    {TrayMouse::LeftDouble, 0, 0},    {TrayMouse::LeftDown, 0, 0},
      {TrayMouse::RightDown, 0, 0}, {TrayMouse::RightDouble, 200, 0}, {TrayMouse::RightUp, 200, 1},
  };
  for (const Case& c : cases) {
    app.run.holdOff = 0;
    const std::size_t before = tray.popups().size();
    ASSERT_TRUE(tray.mouse(c.event));
    EXPECT_EQ(app.run.holdOff, c.holdoff) << static_cast<int>(c.event);
    ASSERT_EQ(tray.popups().size() - before, c.menus) << static_cast<int>(c.event);
  }
  const platform::PopupRecord& shown = tray.popups().back();
  EXPECT_EQ(shown.form, "Frm_exit");
  ASSERT_FALSE(shown.lines.empty());
  EXPECT_TRUE(shown.lines.front().caption.starts_with("开始"));
}

TEST_F(TrayIconTest, TheIconComesBackWithItsTipWhenTheTaskBarIsCreatedAnew) {
  installFile("picture\\icon.ico", "icon");
  start();
  tray.restartTaskBar();
  EXPECT_TRUE(tray.iconShown());
  EXPECT_EQ(tray.tip(), main.Caption());
  EXPECT_EQ(tray.icon(), programPath("picture\\icon.ico"));
  EXPECT_TRUE(tray.mouse(TrayMouse::RightUp)) << "clicks still reach the program";
  EXPECT_EQ(app.run.holdOff, 200);
}

TEST_F(TrayIconTest, ClosingTheMainWindowRemovesTheIconAndClockopen) {
  start();
  programValues(app.platform).writeNumber("clockopen", 32);
  ASSERT_TRUE(main.Unload());
  EXPECT_FALSE(tray.iconShown());
  EXPECT_FALSE(registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "clockopen"));
}

}  // namespace
}  // namespace horalix::test
