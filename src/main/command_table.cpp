#include "main/command_table.h"

#include "main/main_needs.h"

#include <algorithm>
#include <stdexcept>
#include <string>

#include "bars/bars.h"
#include "interaction/interaction.h"
#include "main/main_window.h"

namespace horalix {

namespace {

using M = CommandMenu;
using C = CommandId;

// The tray menu in its design order, then the interaction window's popup.
constexpr Command kCommands[] = {
    {C::Start, M::Tray, "menu_one", 1, "", 0, "开始", "start", 1,
     [](MainWindow& m) { m.startCommand(); }},
    {C::PauseResume, M::Tray, "menu_one", 2, "", 0, "暂停", "pause", 2,
     [](MainWindow& m) { m.pauseCommand(); }},
    {C::Stop, M::Tray, "menu_one", 3, "", 0, "停止", "stop", 3,
     [](MainWindow& m) { m.stopCommand(); }},
    {C::RunSeparator, M::Tray, "menu_one", 5, "", 0, "-", "", 0, nullptr},
    {C::ShowHideClock, M::Tray, "menu_two", 1, "", 0, "隐藏", "hide", 4,
     [](MainWindow& m) { m.showHideCommand(); }},
    {C::Settings, M::Tray, "menu_two", 2, "", 0, "设置", "", 0,
     [](MainWindow& m) { m.settingsCommand(); }},
    {C::Presets, M::Tray, "menu_two", 3, "", 0, "常用时钟", "", 0, nullptr},
    {C::Spotlights, M::Tray, "menu_two", 4, "", 0, "聚光灯", "", 0, nullptr},
    {C::FollowLight, M::Tray, "MouseLight", 0, "menu_two", 4, "跟随模式", "focus", 5,
     [](MainWindow& m) { m.spotlightCommand(0); }},
    {C::DynamicLight, M::Tray, "MouseLight", 1, "menu_two", 4, "动态亮度", "light", 6,
     [](MainWindow& m) { m.spotlightCommand(1); }},
    {C::ToolSeparator, M::Tray, "menu_two", 5, "", 0, "-", "", 0, nullptr},
    {C::Interaction, M::Tray, "hd_time", -1, "", 0, "互动计时", "", 0, nullptr},
    {C::InteractionSettings, M::Tray, "hd_time_set", -1, "hd_time", -1, "互动设置", "", 0,
     [](MainWindow& m) { m.interactionSettingsCommand(); }},
    {C::InteractionScreen, M::Tray, "hd_time_show", -1, "hd_time", -1, "扩展屏显示", "", 0,
     [](MainWindow& m) { m.interactionScreenCommand(); }},
    {C::InteractionPreset1, M::Tray, "hd_time_one", 0, "hd_time", -1, "互动一", "", 0,
     [](MainWindow& m) { m.interactionPresetCommand(0); }},
    {C::InteractionPreset2, M::Tray, "hd_time_one", 1, "hd_time", -1, "互动二", "", 0,
     [](MainWindow& m) { m.interactionPresetCommand(1); }},
    {C::InteractionPreset3, M::Tray, "hd_time_one", 2, "hd_time", -1, "互动三", "", 0,
     [](MainWindow& m) { m.interactionPresetCommand(2); }},
    {C::InteractionPreset4, M::Tray, "hd_time_one", 3, "hd_time", -1, "互动四", "", 0,
     [](MainWindow& m) { m.interactionPresetCommand(3); }},
    {C::InteractionPreset5, M::Tray, "hd_time_one", 4, "hd_time", -1, "互动五", "", 0,
     [](MainWindow& m) { m.interactionPresetCommand(4); }},
    {C::Statistics, M::Tray, "menu_other", 0, "", 0, "计时统计", "", 0,
     [](MainWindow& m) { m.statisticsCommand(); }},
    {C::Help, M::Tray, "menu_other", 2, "", 0, "帮助", "", 0,
     [](MainWindow& m) { m.helpCommand(); }},
    {C::OnlineHelp, M::Tray, "menu_other", 3, "", 0, "在线帮助", "", 0,
     [](MainWindow& m) { m.onlineHelpCommand(); }},
    {C::Exit, M::Tray, "menu_other", 4, "", 0, "退出", "", 0,
     [](MainWindow& m) { m.exitCommand(); }},
    {C::FreeInteraction, M::Interaction, "Frmhudong", 0, "", 0, "自由互动", "", 0, nullptr},
    {C::InteractionPause, M::Interaction, "Frmhudong", 1, "", 0, "暂停计时", "", 0,
     [](MainWindow& m) { m.interactionPopupCommand(1); }},
    {C::InteractionClose, M::Interaction, "Frmhudong", 2, "", 0, "关闭计时", "", 0,
     [](MainWindow& m) { m.interactionPopupCommand(2); }},
};

// The fixed hot keys 1 to 6; presets follow them.
constexpr int kFixedHotKeys = 6;

}  // namespace

std::span<const Command> commands() { return kCommands; }

const Command& findCommand(CommandId id) {
  const auto found = std::find_if(std::begin(kCommands), std::end(kCommands),
                                  [id](const Command& c) { return c.id == id; });
  if (found == std::end(kCommands)) throw std::out_of_range("no such command");
  return *found;
}

void buildCommandMenu(MainWindow& main, CommandMenu menu, platform::MenuItem& root) {
  for (const Command& command : kCommands) {
    if (command.menu != menu) continue;
    platform::MenuItem& parent =
        command.parent.empty() ? root
                               : main.menuItem(std::string(command.parent), command.parentIndex);
    platform::MenuItem& item =
        parent.add(std::string(command.name), command.index, std::string(command.caption));
    if (command.action != nullptr) {
      item.Click = [&main, action = command.action] { action(main); };
    }
  }
}

platform::MenuItem& commandItem(MainWindow& main, CommandId id) {
  const Command& command = findCommand(id);
  return main.menuItem(std::string(command.name), command.index);
}

bool runCommand(MainWindow& main, CommandId id) {
  const Command& command = findCommand(id);
  if (command.action == nullptr) return false;
  command.action(main);
  return true;
}

bool runMenuCommand(MainWindow& main, std::string_view name, int index) {
  for (const Command& command : kCommands) {
    if (command.name == name && command.index == index) return runCommand(main, command.id);
  }
  return false;
}

bool dispatchHotKey(MainWindow& main, int id) {
  if (id >= 1 && id <= kFixedHotKeys) {
    for (const Command& command : kCommands) {
      if (command.hotKey != id) continue;
      // The start and stop keys have a hot-key form of their own: they do not look at
      // automatic timing and can share one key.
      if (command.id == CommandId::Start || command.id == CommandId::Stop) {
        main.startStopHotKey(command.id == CommandId::Start);
        return true;
      }
      // The dynamic-brightness key ends an open area selection without closing other windows.
      if (command.id == CommandId::FollowLight || command.id == CommandId::DynamicLight) {
        main.spotlightHotKeyCommand(command.index);
        return true;
      }
      return runCommand(main, command.id);
    }
    return false;
  }
  const int presets = main.presetHotKeyCount();
  const int preset =
      id - kFixedHotKeys <= presets ? id - kFixedHotKeys : id - kFixedHotKeys - presets;
  if (preset < 1 || preset > presets) return false;
  main.oftenclockstart(static_cast<std::int16_t>(preset - 1));
  return true;
}

}  // namespace horalix
