#include "main/command_table.h"

#include <gtest/gtest.h>

#include <functional>
#include <map>
#include <set>
#include <string>

#include "bars/online_help_window.h"
#include "interaction/interaction.h"
#include "interaction/interaction_settings_window.h"
#include "preset_rows.h"
#include "presets/office_data_file.h"
#include "presets/statistics_window.h"
#include "services/text_runtime.h"
#include "settings/settings_window.h"
#include "support/main_window_fixture.h"

namespace horalix::test {
namespace {

class CommandTableTest : public MainWindowTest {};

// Every command of the table: its item carries the design caption, and its action does what a
// presenter sees when choosing it, here without a desktop.
TEST_F(CommandTableTest, EveryCommandHasItsCaptionAndItsActionRuns) {
  start();
  std::string shownModal;
  loop.onModal = [&](platform::HeadlessEventLoop&, const std::string& what) {
    shownModal = what;
    app.onlineHelpWindow().Unload();
  };
  const std::map<CommandId, std::string> captions = {
      {CommandId::Start, "开始"},
      {CommandId::PauseResume, "暂停"},
      {CommandId::Stop, "停止"},
      {CommandId::RunSeparator, "-"},
      {CommandId::ShowHideClock, "隐藏"},
      {CommandId::Settings, "设置"},
      {CommandId::Presets, "常用时钟"},
      {CommandId::Spotlights, "聚光灯"},
      {CommandId::FollowLight, "跟随模式"},
      {CommandId::DynamicLight, "动态亮度"},
      {CommandId::ToolSeparator, "-"},
      {CommandId::Interaction, "互动计时"},
      {CommandId::InteractionSettings, "互动设置"},
      {CommandId::InteractionScreen, "扩展屏显示"},
      {CommandId::InteractionPreset1, "互动一"},
      {CommandId::InteractionPreset2, "互动二"},
      {CommandId::InteractionPreset3, "互动三"},
      {CommandId::InteractionPreset4, "互动四"},
      {CommandId::InteractionPreset5, "互动五"},
      {CommandId::Statistics, "计时统计"},
      {CommandId::Help, "帮助"},
      {CommandId::OnlineHelp, "在线帮助"},
      {CommandId::Exit, "退出"},
      {CommandId::FreeInteraction, "自由互动"},
      {CommandId::InteractionPause, "暂停计时"},
      {CommandId::InteractionClose, "关闭计时"},
  };
  // What each action leaves behind; commands in the order they can run one after the other.
  const std::map<CommandId, std::function<bool()>> effects = {
      {CommandId::Start, [&] { return app.run.binding.text() == "手动计时"; }},
      {CommandId::PauseResume, [&] { return !app.run.startSoundArmed; }},
      {CommandId::Stop, [&] { return app.run.binding.text().empty(); }},
      {CommandId::ShowHideClock, [&] { return main.menu_two(1).Caption().starts_with("显示"); }},
      {CommandId::Settings,
       [&] {
         return app.settingsWindow().loaded() && app.run.openToolWindow == OpenWindow::Settings;
       }},
      {CommandId::Statistics,
       [&] {
         return app.statisticsWindow().loaded() && !app.settingsWindow().loaded() &&
                app.run.openToolWindow == OpenWindow::Statistics;
       }},
      {CommandId::Help, [&] { return shell.started().size() == 1; }},
      {CommandId::OnlineHelp,
       [&] { return shownModal.find("Frm_Author_wx") != std::string::npos; }},
      {CommandId::FollowLight, [&] { return main.MouseLight(0).Checked(); }},
      {CommandId::DynamicLight, [&] { return main.MouseLight(1).Checked(); }},
      {CommandId::InteractionSettings,
       [&] {
         return app.interactionSettingsWindow().loaded() &&
                app.run.openToolWindow == OpenWindow::InteractionSettings;
       }},
      {CommandId::InteractionPreset1,
       [&] {
         return app.interactionWindow().presetDuration == "01:00" &&
                app.interactionWindow().Timer3.Enabled();
       }},
      {CommandId::InteractionClose,
       [&] {
         return app.interactionWindow().presetDuration.empty() &&
                !app.interactionWindow().Timer3.Enabled();
       }},
      {CommandId::Exit, [&] { return app.ended(); }},
  };
  // Commands whose effect depends on a countdown in progress; their own tests cover it, here
  // they only have to run.
  const std::set<CommandId> runOnly = {CommandId::InteractionScreen,  CommandId::InteractionPreset2,
                                       CommandId::InteractionPreset3, CommandId::InteractionPreset4,
                                       CommandId::InteractionPreset5, CommandId::InteractionPause};
  std::set<CommandId> seen;
  for (const Command& command : commands()) {
    SCOPED_TRACE(std::string(command.name) + "(" + std::to_string(command.index) + ")");
    EXPECT_TRUE(seen.insert(command.id).second) << "one entry per command";
    ASSERT_EQ(captions.count(command.id), 1u);
    EXPECT_EQ(command.caption, captions.at(command.id));
    // The interaction presets show their stored duration (none stored: one minute); the items
    // with hot keys end in the blanks before the (here unset) key.
    const bool interactionPreset = command.name == "hd_time_one";
    EXPECT_EQ(RTrim(commandItem(main, command.id).Caption()),
              interactionPreset ? "01:00" : captions.at(command.id));
    if (runOnly.count(command.id) != 0) {
      EXPECT_TRUE(runCommand(main, command.id));
      continue;
    }
    const auto effect = effects.find(command.id);
    if (effect == effects.end()) {
      EXPECT_FALSE(runCommand(main, command.id)) << "an item without action runs nothing";
      continue;
    }
    EXPECT_FALSE(effect->second()) << "not yet done";
    ASSERT_TRUE(runCommand(main, command.id));
    EXPECT_TRUE(effect->second());
  }
  EXPECT_EQ(seen.size(), captions.size());
}

// A click on a built item runs the command of that item, and the arrays' handlers route by index.
TEST_F(CommandTableTest, ItemsAndArrayHandlersRunTheirCommands) {
  start();
  main.menu_two(1).click();
  EXPECT_TRUE(main.menu_two(1).Caption().starts_with("显示"));
  main.menu_two_Click(1);
  EXPECT_TRUE(main.menu_two(1).Caption().starts_with("隐藏"));
  EXPECT_FALSE(runMenuCommand(main, "menu_one", 5)) << "a separator";
  EXPECT_FALSE(runMenuCommand(main, "menu_one", 4)) << "no such item";
  // The design order of the popup, separators included.
  std::vector<std::string> top;
  for (const auto& item : main.menu.children()) top.push_back(RTrim(item->Caption()));
  const std::vector<std::string> order = {"开始",     "暂停",     "停止",     "-",   "隐藏",
                                          "设置",     "常用时钟", "聚光灯",   "-",   "互动计时",
                                          "计时统计", "帮助",     "在线帮助", "退出"};
  EXPECT_EQ(top, order);
}

// Hot keys 1 to 4 run their commands (3 resumes a paused run before it stops it); hot key 1 starts
// also in automatic mode, where the menu's Start does nothing. With n presets in the submenu, 6 + i
// and 6 + n + i both apply preset i.
TEST_F(CommandTableTest, HotKeysDispatchToTheirCommandsAndPresets) {
  createOfficeDataFile(files.realPath(programPath("OfficeData.db")),
                       presetRow(1, "A") + presetRow(2, "B") + presetRow(3, "C"));
  start();
  setAutomaticTiming(true);
  main.menu_one_Click(1);
  EXPECT_NE(app.run.binding.text(), "手动计时");
  EXPECT_TRUE(dispatchHotKey(main, 1));
  EXPECT_EQ(app.run.binding.text(), "手动计时");
  EXPECT_TRUE(dispatchHotKey(main, 2));
  EXPECT_TRUE(main.menu_one(2).Caption().starts_with("继续"));
  EXPECT_TRUE(dispatchHotKey(main, 3));
  EXPECT_EQ(app.run.binding.text(), "");
  EXPECT_TRUE(dispatchHotKey(main, 4));
  EXPECT_TRUE(main.menu_two(1).Caption().starts_with("显示"));
  EXPECT_FALSE(dispatchHotKey(main, 0));

  ASSERT_TRUE(main.menu_two(3).Enabled());
  struct Case {
    int id, checked;
  };
  for (const Case c : {Case{8, 1}, Case{7, 0}, Case{12, 2}, Case{11, 1}}) {
    SCOPED_TRACE(c.id);
    EXPECT_TRUE(dispatchHotKey(main, c.id));
    for (int i = 0; i < 3; ++i) EXPECT_EQ(main.menu_often(i).Checked(), i == c.checked) << i;
  }
  EXPECT_FALSE(dispatchHotKey(main, 13)) << "past the presets";
}

}  // namespace
}  // namespace horalix::test
