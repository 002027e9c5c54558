// The hidden main window: it carries the tray icon, the tray menu and the run watches.
//
// The window never shows itself: it sits far off every screen. Its menus show the run state
// (services/run_state_record.h); they are painted from it and never read back.
#pragma once

#include <array>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "platform/forms.h"
#include "platform/tray.h"

namespace horalix {

enum class CommandId;
struct Command;
struct MainNeeds;

class MainWindow : public platform::Form {
 public:
  explicit MainWindow(MainNeeds& needs);

  // Holds the tray icon picture (never shown); the icon's mouse messages are reported for it.
  platform::Control& Pic1;

  // ---- Watch timers ----

  platform::Timer& Timer3;  // sibling-program watch
  platform::Timer& Timer4;  // document watch
  platform::Timer& Timer5;  // automatic-run end watch

  // The watch ticks (document_watch.cpp, end_watch.cpp, sibling_watch.cpp).
  void Timer3_Timer();
  void Timer4_Timer();
  void Timer5_Timer();
  // Whether the document watch has made its first automatic pass.
  bool firstPassMade() const { return firstPassMade_; }
  // The document watch looks for a document to bind again, or rests.
  void resumeDocumentWatch();
  void pauseDocumentWatch();
  // Both the document watch and the automatic-run end watch rest (a manual run or a tool window
  // holds the program).
  void restWatches();
  // The document watch runs again and the end watch rests: the program waits for the next
  // document.
  void returnToDocumentWatch();

  // ---- Menus ----

  // The tray popup menu and the interaction window's popup.
  platform::MenuItem& menu;
  platform::MenuItem& ppt_hudong;
  platform::MenuItem& menu_one(int index) { return menuItem("menu_one", index); }
  platform::MenuItem& menu_two(int index) { return menuItem("menu_two", index); }
  platform::MenuItem& menu_other(int index) { return menuItem("menu_other", index); }
  platform::MenuItem& menu_often(int index) { return menuItem("menu_often", index); }
  platform::MenuItem& MouseLight(int index) { return menuItem("MouseLight", index); }
  platform::MenuItem& hd_time_one(int index) { return menuItem("hd_time_one", index); }
  platform::MenuItem& hd_time_show() { return menuItem("hd_time_show", -1); }
  platform::MenuItem& menuItem(const std::string& name, int index);

  // ---- Commands of the tray menu ----

  // Closes the open tool window of the run state (and leaves the record of it as it is).
  void delform();

  // ---- The run items of the tray menu ----

  // Writes every menu item that shows state from the run state.
  void paintMenus();
  // The items at a run start: `counting` when a run is bound and timing is switched on; otherwise
  // the run start only prepares the clock (as at launch) and the items are those of an idle
  // clock.
  void offerRunItems(bool counting);
  // Releases the items that a counting run locked: settings, presets (shown only when allowed and
  // at least one preset exists), statistics, help, online help and exit.
  void releaseRunItems();
  // The items after a stop: start offered, pause and stop not, the run shown as running (not
  // paused) and the show/hide item enabled.
  void showRunStopped();
  // The items at the end of a run: start offered unless timing is automatic, pause and stop not,
  // and the items the run locked released.
  void showRunEnded();
  // The show/hide item offers the other state: "显示" while the clocks are hidden.
  void showClocksHidden(bool hidden);
  // Opens the tray menu over `over`, at `at` or where the mouse is.
  void popUpMenu(platform::Form& over, std::optional<platform::PixelPoint> at);

  // ---- The interaction items ----

  // The caption of interaction preset `index` (0 to 4): the duration its item shows.
  const std::string& interactionPresetCaption(int index) const;
  void showInteractionPreset(int index, bool visible, const std::string& caption);
  // The countdown's own menu offers "开始计时" while paused, "暂停计时" while counting.
  void showInteractionPaused(bool paused);
  // The interaction item "扩展屏显示": ticked while the countdown goes on the extended screen.
  void tickInteractionExtendedScreen(bool ticked);
  // Shows the item or hides it; a hidden one is unticked.
  void offerInteractionExtendedScreen(bool offered);
  // Opens the countdown's own menu where the mouse is.
  void popUpInteractionMenu();

  // ---- The spotlight items (0 follow mode, 1 dynamic brightness) ----

  void setSpotlightTicked(int index, bool ticked);

  // The items of the three arrays run their commands of the command table.
  void menu_one_Click(int Index);
  void menu_two_Click(int Index);
  void menu_other_Click(int Index);

  // The actions of the command table (main/command_table.h).
  void startCommand();
  void pauseCommand();
  void stopCommand();
  void showHideCommand();
  void settingsCommand();
  void statisticsCommand();
  void helpCommand();
  void onlineHelpCommand();
  void exitCommand();
  // The spotlight items (0 follow mode, 1 dynamic brightness) and their hot keys.
  void spotlightCommand(int index);
  void spotlightHotKeyCommand(int index);
  // The interaction items of the tray menu and the countdown's own menu.
  void interactionSettingsCommand();
  void interactionScreenCommand();
  void interactionPresetCommand(std::int16_t index);
  void interactionPopupCommand(std::int16_t index);
  // Hot keys 1 (start) and 3 (stop): without the shared start/stop key each does its own; with it
  // both toggle, starting while the start item is enabled and stopping otherwise, and doing
  // nothing while the start item is hidden.
  void startStopHotKey(bool start);
  // How many presets have hot keys: the items of the presets submenu, at most 9.
  int presetHotKeyCount();

  // ---- Presets submenu ----

  // Rebuilds the presets submenu from OfficeData.db.
  void change_clock_menu();
  // Applies the preset of submenu item Index, when the presets item is enabled.
  void oftenclockstart(std::int16_t Index);
  // Makes submenu item Index the current preset, copies its preset into the settings record,
  // stores the record and starts a run with it.
  void menu_often_Click(int Index);
  // Applies the preset after the current one, wrapping to the first.
  void nextmenu_often();
  // The submenu lists a preset: its first item shows a name, not the placeholder "^". The
  // presets item is offered with a run only then.
  bool presetsListed = false;

  // ---- Global hot keys (hot_keys.cpp) ----

  // Takes the window's hot keys: the six keys of TimeData.db [Hotkey] and, when switched on, the
  // preset keys; each of the six is shown after its menu item's caption. A key that cannot be
  // registered is reported and left out; the others are still registered.
  void Hotkey_set();
  // Releases every key Hotkey_set registered, for the presets submenu as it is now.
  void hotkey_del();
  // A pressed hot key: runs what its id stands for.
  void HotkeyWndProc(int id);

  // A click on the tray icon: Button 1 left, 2 right, 4 middle.
  void mcTray_MouseClick(int Button, bool DBClick);

  // The window caption with the edition label, also the tray icon's tip.
  static std::string titleWithEdition();

 protected:
  void Form_Load() override;
  void Form_Unload(bool& cancel) override;

 private:
  void buildMenus();
  // The caption of a command's item: its name, or for pause and show/hide the state it offers,
  // then the hot key that runs it.
  std::string commandCaption(const Command& command) const;
  void LoadHudongMenu();
  void ClearOftenMenu();
  void LoadOftenMenu();
  int oftenCount();
  void addTrayIcon();
  void removeTrayIcon();
  void onTrayMouse(platform::TrayMouse event);
  void deleteClockOpen();
  void automaticStart(const std::string& bound);
  void continueLastRun(const std::string& bound);

  MainNeeds& needs_;
  bool firstPassMade_ = false;
  // Stage-sound names of the last automatic start, joined by "\".
  std::string stageSounds_;
  // The names of the presets submenu's items, in their order: what choosing an item applies.
  // Its first item shows the placeholder "^" while no preset is listed.
  std::vector<std::string> presetNames_{"^"};
  // What each hot key (by id, 1 to 6) shows after its command's caption: blanks and the key.
  std::array<std::string, 7> hotKeyTexts_;
  // The captions of the five interaction preset items, as they were last given.
  std::array<std::string, 5> interactionPresetCaptions_;
};

}  // namespace horalix
