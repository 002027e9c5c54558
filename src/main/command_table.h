// Every command a presenter gives from the tray menu, the interaction window's popup and the
// hot keys, as one table: the menu item that shows it (design name, index, caption, parent),
// the hot key that runs it and its action. The menus are built from the table, and a hot key or
// a menu click finds its command here. An item's enabled, visible and checked states and the
// captions that name a state are painted from the run state (main/menu_painting.cpp).
#pragma once

#include <span>
#include <string_view>

namespace horalix {

class MainWindow;

namespace platform {
class MenuItem;
}

enum class CommandId {
  Start,
  PauseResume,
  Stop,
  RunSeparator,
  ShowHideClock,
  Settings,
  Presets,  // the presets submenu; its items are the presets of OfficeData.db
  Spotlights,
  FollowLight,
  DynamicLight,
  ToolSeparator,
  Interaction,
  InteractionSettings,
  InteractionScreen,
  InteractionPreset1,
  InteractionPreset2,
  InteractionPreset3,
  InteractionPreset4,
  InteractionPreset5,
  Statistics,
  Help,
  OnlineHelp,
  Exit,
  FreeInteraction,  // the interaction window's popup
  InteractionPause,
  InteractionClose,
};

// Which popup a command's item belongs to.
enum class CommandMenu { Tray, Interaction };

struct Command {
  CommandId id;
  CommandMenu menu;
  // The item's design name and index (-1: not in an array), and its parent's ("": the popup).
  std::string_view name;
  int index;
  std::string_view parent;
  int parentIndex;
  // The design caption; "-" is a separator. Captions that carry state (pause/continue,
  // hide/show) change their first two characters at run time and keep the rest.
  std::string_view caption;
  // The key of section Hotkey of TimeData.db whose key text follows the caption, and the hot-key
  // id that runs the command (0: none).
  std::string_view hotKeyName;
  int hotKey;
  // What the command does; nullptr for a submenu or a separator.
  void (*action)(MainWindow& main);
};

std::span<const Command> commands();
const Command& findCommand(CommandId id);

// Adds the items of one popup under `root`, in table order, each item's Click running its
// command's action.
void buildCommandMenu(MainWindow& main, CommandMenu menu, platform::MenuItem& root);

// The item that shows a command.
platform::MenuItem& commandItem(MainWindow& main, CommandId id);

// Runs a command's action as a click on its item does; false for an item without action.
[[nodiscard]] bool runCommand(MainWindow& main, CommandId id);

// Runs the command shown by the menu item `name`(`index`); false when no command has that item.
[[nodiscard]] bool runMenuCommand(MainWindow& main, std::string_view name, int index);

// Runs what the hot key `id` stands for: ids 1 to 6 the commands that name them, then with n
// items in the presets submenu 6 + i and 6 + n + i the preset i (1-based). False for an id that
// names nothing.
[[nodiscard]] bool dispatchHotKey(MainWindow& main, int id);

}  // namespace horalix
