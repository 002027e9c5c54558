#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "clock/run_stop.h"
#include "main/timing_control.h"
#include "preset_rows.h"
#include "presets/office_data_file.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class PresetsMenuTest : public MainWindowTest {
 protected:
  // The program folder's database with these rows, made before the program starts.
  void startWith(const std::string& rows) {
    createOfficeDataFile(files.realPath(programPath("OfficeData.db")), rows);
    start();
  }
  // C is stored first: the menu follows the list order (ID), not the order of storing.
  void startWithABC() { startWith(presetRow(3, "C") + presetRow(1, "A") + presetRow(2, "B")); }

  std::vector<std::string> captions() {
    std::vector<std::string> result;
    for (const auto& item : main.menu_two(3).children()) result.push_back(item->Caption());
    return result;
  }
  std::vector<bool> checks() {
    std::vector<bool> result;
    for (const auto& item : main.menu_two(3).children()) result.push_back(item->Checked());
    return result;
  }
  bool runStarted() { return clock.Timer5.Enabled() && clock.restoreAtNextStart; }
};

TEST_F(PresetsMenuTest, WithoutPresetsTheItemIsHiddenAndChoosingDoesNothing) {
  startWith("");
  EXPECT_EQ(captions(), std::vector<std::string>{"^"});
  EXPECT_FALSE(main.menu_two(3).Visible());
  EXPECT_FALSE(main.menu_two(3).Enabled());

  const SettingsBlock before = app.settings;
  main.oftenclockstart(0);
  EXPECT_EQ(app.settings, before);
  EXPECT_FALSE(runStarted());
  EXPECT_TRUE(messageBoxes.shown().empty());
}

// A counting run offers the presets submenu (with settings allowed) while it lists presets; once
// they are gone and the submenu is rebuilt, a counting run no longer offers it.
TEST_F(PresetsMenuTest, ACountingRunOffersThePresetsOnlyWhileSomeAreListed) {
  startWithABC();
  setOption(app.settings.checkvalue, CheckFlag::SettingsAllowed, true);
  StartTiming(app.mainNeeds);
  runStart();
  EXPECT_TRUE(main.menu_two(3).Visible());
  StopTiming(app.mainNeeds);
  EXPECT_TRUE(main.menu_two(3).Visible()) << "still listed after the run";

  ASSERT_TRUE(files.remove(programPath("OfficeData.db")));
  main.change_clock_menu();
  StartTiming(app.mainNeeds);
  runStart();
  EXPECT_FALSE(main.menu_two(3).Visible());
  StopTiming(app.mainNeeds);
  EXPECT_FALSE(main.menu_two(3).Visible());
}

TEST_F(PresetsMenuTest, AMissingDatabaseLeavesThePlaceholderAndIsNotCreated) {
  startWithABC();
  ASSERT_EQ(captions().size(), 3u);
  ASSERT_TRUE(files.remove(programPath("OfficeData.db")));
  main.change_clock_menu();
  EXPECT_EQ(captions(), std::vector<std::string>{"^"});
  EXPECT_FALSE(main.menu_two(3).Visible());
  EXPECT_FALSE(files.normalFileExists(programPath("OfficeData.db")));
  EXPECT_TRUE(messageBoxes.shown().empty());
}

TEST_F(PresetsMenuTest, PresetsAreListedInIdOrderAndRebuiltWhenTheyChange) {
  startWithABC();
  EXPECT_EQ(captions(), (std::vector<std::string>{"A", "B", "C"}));
  EXPECT_TRUE(main.menu_two(3).Visible());
  EXPECT_TRUE(main.menu_two(3).Enabled());

  // From three to one: the items past the first go, the first is reused.
  files.remove(programPath("OfficeData.db"));
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")), presetRow(1, "Solo"));
  main.change_clock_menu();
  EXPECT_EQ(captions(), std::vector<std::string>{"Solo"});
}

TEST_F(PresetsMenuTest, ChoosingAPresetCopiesItsRowStoresTheRecordAndStartsARun) {
  startWithABC();
  app.settings.secondtimer = "12:00:00";
  app.settings.time_left = 77;
  app.settings.picture_width = 123;
  app.settings.picture_height = 45;
  app.settings.AImode = "11111111";  // the registry's value wins over the record's and the row's

  main.menu_often(1).click();

  EXPECT_EQ(checks(), (std::vector<bool>{false, true, false}));
  const SettingsBlock& s = app.settings;
  EXPECT_DOUBLE_EQ(s.Time_all, 3630 / 86400.0);
  EXPECT_EQ(s.Time_one, 60);
  EXPECT_EQ(s.Time_two, 30);
  EXPECT_EQ(s.Time_three, 10);
  EXPECT_EQ(s.time_end, 300);
  EXPECT_EQ(s.tellShowtime, 5);
  EXPECT_EQ(s.optvalue, "100100100");
  EXPECT_EQ(s.tellprocesstext, "process B");
  EXPECT_EQ(s.tellShowtext, "overtime B");
  EXPECT_EQ(s.tellouttext, "time up B");
  EXPECT_EQ(s.picturename, "bg.png\\0");
  EXPECT_EQ(s.secondtimer, "");
  EXPECT_EQ(s.time_left, 0);
  EXPECT_EQ(s.picture_width, 123);
  EXPECT_EQ(s.picture_height, 45);
  EXPECT_EQ(s.AImode, "10111101");
  EXPECT_EQ(programValues(app.platform).readText("tellouttext"), "time up B");
  EXPECT_EQ(programValues(app.platform).readText("tellShowtext"), "overtime B");
  EXPECT_TRUE(runStarted());
  EXPECT_FALSE(clock.Timer1.Enabled());
  EXPECT_FALSE(clock.Timer4.Enabled());
}

TEST_F(PresetsMenuTest, NextPresetFollowsTheCheckedOneAndWraps) {
  struct Case {
    int checked;  // -1: none
    const char* applied;
    std::vector<bool> checksAfter;
  };
  const Case cases[] = {
      {1, "C", {false, false, true}},
      {2, "A", {true, false, false}},
      {-1, "A", {true, false, false}},
      {0, "B", {false, true, false}},
  };
  startWithABC();
  for (const Case& c : cases) {
    SCOPED_TRACE(c.checked);
    app.run.currentPreset = c.checked;
    clock.Timer5.setEnabled(false);
    main.nextmenu_often();
    EXPECT_EQ(app.settings.tellouttext, std::string("time up ") + c.applied);
    EXPECT_EQ(checks(), c.checksAfter);
    EXPECT_TRUE(runStarted());
  }
}

TEST_F(PresetsMenuTest, ACyclingRoundStartsTheNextPresetOnlyWhenPresetCyclingIsChosen) {
  struct Case {
    const char* aimode;
    int clockcycle;
    const char* tellouttextAfter;
  };
  const Case cases[] = {
      {"10111101", 1, "time up B"},  // manual timing, cycling through presets
      {"10111101", 2, "unchanged"},  // the same timer again
      {"00111101", 1, "unchanged"},
  };
  startWithABC();
  for (const Case& c : cases) {
    SCOPED_TRACE(std::string(c.aimode) + " " + std::to_string(c.clockcycle));
    app.run.currentPreset = 0;
    app.settings.tellouttext = "unchanged";
    app.settings.AImode = c.aimode;
    programValues(app.platform).writeNumber("clockcycle", c.clockcycle);
    clock.Timer5.setEnabled(false);
    startNextRound(app.platform, app.settings, app.ports, clock);
    EXPECT_EQ(app.settings.tellouttext, c.tellouttextAfter);
    EXPECT_TRUE(clock.Timer5.Enabled());
  }
}

TEST_F(PresetsMenuTest, AFailingPresetShowsTheMessageAndAVanishedOneStillStarts) {
  // A set time of 25 hours is no time of day.
  startWith(presetRow(1, "A") + presetRow(2, "Bad") +
            "UPDATE clocksetting SET timeall = '25:00:30' WHERE clockname = 'Bad';\n");
  const SettingsBlock before = app.settings;

  main.menu_often(1).click();
  ASSERT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(messageBoxes.shown()[0].text, "操作系统是精简版本，不支持本功能");
  EXPECT_EQ(app.settings, before);
  EXPECT_FALSE(runStarted());

  // A preset renamed since the menu was built: the record stays, but is stored and run.
  ASSERT_TRUE(files.remove(programPath("OfficeData.db")));
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                       presetRow(1, "Renamed") + presetRow(2, "Bad"));
  ASSERT_EQ(main.menu_often(0).Caption(), "A");
  app.settings.secondtimer = "kept";
  main.menu_often(0).click();
  EXPECT_EQ(messageBoxes.shown().size(), 1u);
  EXPECT_EQ(app.settings.secondtimer, "kept");
  EXPECT_EQ(programValues(app.platform).readText("secondtimer"), "kept");
  EXPECT_TRUE(runStarted());
}

}  // namespace
}  // namespace horalix::test
