#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "bars/follow_spotlight.h"
#include "bars/online_help_window.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_veil.h"
#include "interaction/interaction_settings_window.h"
#include "presets/statistics_window.h"
#include "settings/settings_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

// Enabled and visible, as a presenter meets an item in the menu.
struct ItemState {
  bool enabled, visible;
  bool operator==(const ItemState&) const = default;
};

std::ostream& operator<<(std::ostream& out, const ItemState& s) {
  return out << (s.enabled ? "enabled" : "disabled") << "/" << (s.visible ? "visible" : "hidden");
}

constexpr ItemState On{true, true}, Off{false, false}, Shown{false, true}, Hidden{true, false};

class TrayMenuTest : public MainWindowTest {
 protected:
  ItemState state(platform::MenuItem& item) { return {item.Enabled(), item.Visible()}; }

  std::vector<platform::Form*> toolWindows() {
    return {&app.settingsWindow(), &app.followSpotlight(),           &app.spotlightDarkLayer(),
            &app.spotlightVeil(),  &app.interactionSettingsWindow(), &app.statisticsWindow()};
  }
};

TEST_F(TrayMenuTest, RunStartSetsTheItemsForAnIdleClockAndForACountingRun) {
  struct Case {
    const char* what;
    bool automatic, counting, settingsAllowed, pauseAllowed, presetsExist;
    ItemState start, pause, stop, settings, presets, other;
  };
  const Case cases[] = {
      {"idle, manual", false, false, false, true, false, On, Shown, Shown, On, Hidden, On},
      {"idle, automatic", true, false, false, true, false, Off, Shown, Off, On, Hidden, On},
      {"idle, presets allowed and present", false, false, true, false, true, On, Off, Shown, On, On,
       On},
      {"counting, manual", false, true, false, true, false, Shown, On, On, Off, Off, Off},
      {"counting, settings allowed, no pause", false, true, true, false, true, Shown, Off, On, On,
       On, Off},
      {"counting, settings allowed, no presets", false, true, true, true, false, Shown, On, On, On,
       Hidden, Off},
      {"counting, automatic", true, true, false, true, false, Off, On, Off, Off, Off, Off},
  };
  start();
  giveHotKey("pause", "Ctrl+F2");
  for (const Case& c : cases) {
    SCOPED_TRACE(c.what);
    setAutomaticTiming(c.automatic);
    setOption(app.settings.checkvalue, CheckFlag::SettingsAllowed, c.settingsAllowed);
    setOption(app.settings.checkvalue, CheckFlag::PauseAllowed, c.pauseAllowed);
    main.menu_often(0).setCaption(c.presetsExist ? "演讲十分钟" : "^");
    main.presetsListed = c.presetsExist;
    app.run.paused = true;
    app.run.binding = {};
    if (c.counting) app.run.binding.bindDocument("report.pptx");
    clock.Timer5.setEnabled(true);
    runStart();
    EXPECT_EQ(state(main.menu_one(1)), c.start);
    EXPECT_EQ(state(main.menu_one(2)), c.pause);
    EXPECT_EQ(state(main.menu_one(3)), c.stop);
    EXPECT_EQ(state(main.menu_two(2)), c.settings);
    EXPECT_EQ(state(main.menu_two(3)), c.presets);
    for (int i : {0, 2, 3, 4}) EXPECT_EQ(state(main.menu_other(i)), c.other) << i;
    EXPECT_EQ(clock.Timer1.Enabled(), c.counting) << "the count-down runs only when counting";
    EXPECT_EQ(main.menu_one(2).Caption(),
              c.counting ? "暂停        Ctrl+F2" : "继续        Ctrl+F2");
    EXPECT_EQ(app.run.paused, !c.counting) << "a run that starts counting is not paused";
  }
}

TEST_F(TrayMenuTest, DelformClosesExactlyTheOpenToolWindow) {
  struct Case {
    OpenWindow open;
    std::vector<std::string> closed;
  };
  const Case cases[] = {
      {OpenWindow::Settings, {"Settings"}},
      {OpenWindow::FollowSpotlight, {"Frm_light"}},
      {OpenWindow::SpotlightArea, {"Frm_move_before", "Frm_move_background"}},
      {OpenWindow::InteractionSettings, {"Frm_hudong_set"}},
      {OpenWindow::Statistics, {"Frm_data_sum"}},
      {OpenWindow::None, {}},
  };
  start();
  for (const Case& c : cases) {
    SCOPED_TRACE(static_cast<int>(c.open));
    for (platform::Form* tool : toolWindows()) tool->Show();
    app.run.spotlightOn = {true, true};
    main.paintMenus();
    app.run.openToolWindow = c.open;
    forms.clearChanges();
    main.delform();
    std::vector<std::string> closed;
    for (const platform::FormChange& change : forms.changes()) {
      if (change.what == platform::Property::Loaded) closed.push_back(change.target);
    }
    EXPECT_EQ(closed, c.closed);
    EXPECT_EQ(app.run.openToolWindow, c.open) << "delform leaves the record alone";
    EXPECT_EQ(main.MouseLight(0).Checked(), c.open != OpenWindow::FollowSpotlight);
    EXPECT_EQ(main.MouseLight(1).Checked(), c.open != OpenWindow::SpotlightArea);
  }
}

// A menu shows the run state as it is when the menu opens, also after a change that nothing
// painted; and while the tray menu is up the run state knows it.
TEST_F(TrayMenuTest, AMenuOpensShowingTheRunStateAsItIsNow) {
  start();
  app.run.paused = true;
  app.run.clocksHidden = true;
  app.run.spotlightOn = {false, true};
  app.run.offers.stop.enabled = false;
  app.run.interactionPaused = true;
  bool openDuringPopup = false;
  tray.onPopup = [&](const platform::PopupRecord&) -> platform::MenuItem* {
    openDuringPopup = app.run.trayMenuOpen;
    return nullptr;
  };
  ASSERT_TRUE(tray.mouse(platform::TrayMouse::RightUp));
  tray.onPopup = nullptr;
  main.popUpInteractionMenu();
  ASSERT_EQ(tray.popups().size(), 2U);
  const auto line = [&](std::size_t popup, platform::MenuItem& item) {
    for (const platform::PopupLine& shown : tray.popups()[popup].lines) {
      if (shown.item == &item) return shown;
    }
    ADD_FAILURE() << item.name() << " not shown";
    return platform::PopupLine{};
  };
  EXPECT_TRUE(line(0, main.menu_one(2)).caption.starts_with("继续"));
  EXPECT_TRUE(line(0, main.menu_two(1)).caption.starts_with("显示"));
  EXPECT_FALSE(line(0, main.menu_one(3)).enabled);
  EXPECT_FALSE(line(0, main.MouseLight(0)).checked);
  EXPECT_TRUE(line(0, main.MouseLight(1)).checked);
  EXPECT_EQ(line(1, main.menuItem("Frmhudong", 1)).caption, "开始计时");
  EXPECT_TRUE(openDuringPopup);
  EXPECT_FALSE(app.run.trayMenuOpen) << "the menu has closed";
}

// The menu has closed by the time the chosen command runs: a window the command holds open
// does not count as the tray menu.
TEST_F(TrayMenuTest, TheChosenCommandRunsWithTheMenuClosed) {
  start();
  bool openDuringCommand = true;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string&) {
    openDuringCommand = app.run.trayMenuOpen;
    app.onlineHelpWindow().Unload();
  };
  tray.onPopup = platform::HeadlessTray::choose("在线帮助");
  ASSERT_TRUE(tray.mouse(platform::TrayMouse::RightUp));
  loop.onModal = nullptr;
  ASSERT_EQ(tray.popups().back().chosen, "在线帮助");
  EXPECT_FALSE(openDuringCommand);
}

TEST_F(TrayMenuTest, ExitUnloadsTheWindowsInOrderAndLeavesNothingBehind) {
  start();
  programValues(app.platform).writeNumber("clockopen", 32);
  programValues(app.platform).writeText("filename3", "talk.pptx");
  forms.clearChanges();
  tray.onPopup = platform::HeadlessTray::choose("退出");
  ASSERT_TRUE(tray.mouse(platform::TrayMouse::RightUp));
  std::vector<std::string> unloaded;
  for (const platform::FormChange& change : forms.changes()) {
    if (change.what == platform::Property::Loaded) unloaded.push_back(change.target);
  }
  const std::vector<std::string> order = {"Frm_hudong", "Frm_process",   "Frm_process_two",
                                          "time_glass", "time_glasstwo", "Frm_exit"};
  EXPECT_EQ(unloaded, order);
  EXPECT_TRUE(app.ended());
  EXPECT_FALSE(tray.iconShown());
  EXPECT_FALSE(registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "clockopen"));
  EXPECT_TRUE(registry.raw(platform::RegRoot::CurrentUser, "Vantrel", "filename3"))
      << "the add-in's hand-over values stay";
}

TEST_F(TrayMenuTest, HelpTriesTheViewerThenTheHelpFunctionThenTellsTheUser) {
  start();
  const std::string chm = programPath("help.chm");
  main.menu_other_Click(2);
  ASSERT_EQ(shell.started().size(), 1u);
  EXPECT_EQ(shell.started()[0].commandLine, "hh.exe \"" + chm + "\"")
      << "the path is quoted: the program folder has a blank";
  EXPECT_EQ(shell.started()[0].window, platform::Shell::Window::Maximized);
  EXPECT_TRUE(shell.helpShown().empty());

  shell.queueStartResult(false);
  main.menu_other_Click(2);
  ASSERT_EQ(shell.helpShown().size(), 1u);
  EXPECT_EQ(shell.helpShown()[0], chm);
  EXPECT_EQ(shell.helpOwners()[0], "Frm_exit") << "the help window belongs to the main window";
  EXPECT_TRUE(messageBoxes.shown().empty());

  shell.queueStartResult(false);
  files.remove(chm);
  main.menu_other_Click(2);
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "无法打开帮助文件！");
}

TEST_F(TrayMenuTest, OnlineHelpWaitsForItsWindowToClose) {
  start();
  std::string shownModal;
  loop.onModal = [&](platform::HeadlessEventLoop& modalLoop, const std::string& what) {
    shownModal = what;
    modalLoop.advance(1000);
    app.onlineHelpWindow().Unload();
  };
  const std::int64_t before = loop.now();
  main.menu_other_Click(3);
  EXPECT_NE(shownModal.find("Frm_Author_wx"), std::string::npos) << shownModal;
  EXPECT_FALSE(app.onlineHelpWindow().loaded());
  EXPECT_GE(loop.now() - before, 1000) << "the command returned only after the window closed";
}

TEST_F(TrayMenuTest, StartDoesNothingInAutomaticModeAndOnlyClosesTheToolWithTimingOff) {
  start();
  app.settingsWindow().Show();
  app.run.openToolWindow = OpenWindow::Settings;
  setAutomaticTiming(true);
  main.menu_one_Click(1);
  EXPECT_TRUE(app.settingsWindow().loaded());
  EXPECT_NE(app.run.binding.text(), "手动计时");

  setAutomaticTiming(false);
  setOption(app.settings.checkvalue, CheckFlag::TimedDuration, false);
  main.menu_one_Click(1);
  EXPECT_FALSE(app.settingsWindow().loaded());
  EXPECT_NE(app.run.binding.text(), "手动计时");

  setOption(app.settings.checkvalue, CheckFlag::TimedDuration, true);
  main.menu_one_Click(1);
  EXPECT_EQ(app.run.binding.text(), "手动计时");
}

TEST_F(TrayMenuTest, OpeningSettingsClosesTheStatisticsFirst) {
  start();
  main.menu_other_Click(0);
  ASSERT_TRUE(app.statisticsWindow().loaded());
  EXPECT_EQ(app.run.openToolWindow, OpenWindow::Statistics);
  main.menu_two_Click(2);
  EXPECT_FALSE(app.statisticsWindow().loaded());
  EXPECT_TRUE(app.settingsWindow().Visible());
  EXPECT_EQ(app.run.openToolWindow, OpenWindow::Settings);
  loop.advance(200);
  EXPECT_EQ(app.run.holdOff, 30) << "the open settings window holds the clocks back";
  app.settingsWindow().Unload();
  EXPECT_EQ(app.run.holdOff, 0);
}

TEST_F(TrayMenuTest, StatisticsRestTheWatchersAndResetTheRunRecordUntilTheyClose) {
  start();
  app.settings.Time_all = 600.0 / 86400;
  app.run.record.bankedDownMs = 12345;
  app.run.countedUpMs = 777;
  app.run.shownMillis = 9000;
  app.run.startSoundArmed = false;
  main.Timer5.setEnabled(true);
  clock.Timer3.setEnabled(true);
  mirror.Timer3.setEnabled(true);
  main.menu_other_Click(0);
  EXPECT_FALSE(main.Timer4.Enabled());
  EXPECT_FALSE(main.Timer5.Enabled());
  EXPECT_EQ(app.run.record.setTime, "00:10:00");
  EXPECT_EQ(app.run.record.bankedDownMs, 0);
  EXPECT_EQ(app.run.countedUpMs, 0);
  EXPECT_EQ(app.run.shownMillis, 0);
  EXPECT_TRUE(app.run.startSoundArmed) << "the next run start plays its sound";
  EXPECT_FALSE(clock.Timer3.Enabled()) << "the clocks stop blinking";
  EXPECT_FALSE(mirror.Timer3.Enabled());
  EXPECT_TRUE(clock.Timer5.Enabled()) << "the clock is prepared afresh";
  app.statisticsWindow().Unload();
  EXPECT_TRUE(main.Timer4.Enabled()) << "closing the statistics restarts the document watch";
}

}  // namespace
}  // namespace horalix::test
