// The tray menu: built from the command table, the actions of its commands, and its items' states
// at the start and end of a run.

#include <algorithm>

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/command_table.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/timing_control.h"
#include "services/attempt.h"
#include "services/option_names.h"
#include "services/ports.h"
#include "services/setting_readers.h"
#include "services/text_runtime.h"
#include "services/window_utilities.h"

namespace horalix {

// The items come from the command table; the presets under "常用时钟" are added at run time
// from OfficeData.db, its first item showing "^" while there is none.
void MainWindow::buildMenus() {
  buildCommandMenu(*this, CommandMenu::Tray, menu);
  buildCommandMenu(*this, CommandMenu::Interaction, ppt_hudong);
  commandItem(*this, CommandId::Presets).add("menu_often", 0, "^");
  for (const Command& command : commands()) {
    if (command.name == "hd_time_one") {
      interactionPresetCaptions_.at(static_cast<std::size_t>(command.index)) = command.caption;
    }
  }
  // Both trees are popups only: hidden on the window, so it gets no menu bar.
  menu.setVisible(false);
  ppt_hudong.setVisible(false);
  commandItem(*this, CommandId::FreeInteraction).setVisible(false);
}

void MainWindow::delform() {
  const OpenWindow open = needs_.run.openToolWindow;
  if (open == OpenWindow::Settings) {
    needs_.toolWindows.unload(ToolWindow::Settings);
  } else if (open == OpenWindow::FollowSpotlight) {
    MouseLight(0).setChecked(false);
    needs_.followSpotlight.Unload();
  } else if (open == OpenWindow::SpotlightArea) {
    MouseLight(1).setChecked(false);
    needs_.spotlightVeil.Unload();
    needs_.spotlightDarkLayer.Unload();
  } else if (open == OpenWindow::InteractionSettings) {
    needs_.toolWindows.unload(ToolWindow::InteractionSettings);
  } else if (open == OpenWindow::Statistics) {
    needs_.toolWindows.unload(ToolWindow::Statistics);
  }
}

void MainWindow::menu_one_Click(int Index) { (void)runMenuCommand(*this, "menu_one", Index); }
void MainWindow::menu_two_Click(int Index) { (void)runMenuCommand(*this, "menu_two", Index); }
void MainWindow::menu_other_Click(int Index) { (void)runMenuCommand(*this, "menu_other", Index); }

// With automatic timing on, runs start from the documents, never from this item.
void MainWindow::startCommand() {
  if (ReadAImode(needs_.platform, needs_.settings)) return;
  delform();
  if (optionOn(needs_.settings.checkvalue, CheckFlag::TimedDuration)) StartTiming(needs_);
}

void MainWindow::pauseCommand() { PauseResume(needs_); }

void MainWindow::stopCommand() { StopTiming(needs_); }

void MainWindow::showHideCommand() { ShowHideClock(needs_.clocks); }

void MainWindow::settingsCommand() {
  delform();
  needs_.run.openToolWindow = OpenWindow::Settings;
  needs_.toolWindows.open(ToolWindow::Settings);
}

// Every step goes on after a failing one.
void MainWindow::statisticsCommand() {
  attempt(needs_.platform.log, "statistics", [&] { delform(); });
  needs_.run.openToolWindow = OpenWindow::Statistics;
  // The document watchers rest while the statistics are open; closing them restarts the watch.
  restWatches();
  attempt(needs_.platform.log, "statistics", [&] { resetRunRecord(needs_); });
  needs_.floatingClock.stopBlink();
  needs_.mirrorClock.stopBlink();
  needs_.floatingClock.armRunStart();
  attempt(needs_.platform.log, "statistics",
          [&] { needs_.toolWindows.open(ToolWindow::Statistics); });
}

void MainWindow::onlineHelpCommand() {
  attempt(needs_.platform.log, "online help", [&] { needs_.onlineHelpWindow.Show(true); });
}

void MainWindow::startStopHotKey(bool start) {
  if (ReadOpenTogetherStop(needs_.platform) == 0) {
    start ? StartTiming(needs_) : StopTiming(needs_);
    return;
  }
  if (!startShown()) return;
  startOffered() ? StartTiming(needs_) : StopTiming(needs_);
}

int MainWindow::presetHotKeyCount() { return std::min(oftenCount(), 9); }

// The help file at its first page.
void MainWindow::helpCommand() { openHelpPage(needs_.platform, "", *this); }

// The windows go in a fixed order, the main window last: its unload takes the hot keys, the tray
// icon and clockopen with it. A count still running is not recorded, and the documents'
// hand-over values stay for the add-in.
void MainWindow::exitCommand() {
  platform::Form* const windows[] = {&needs_.interactionWindow, &needs_.promptBar,
                                     &needs_.secondPromptBar,   &needs_.floatingClock,
                                     &needs_.mirrorClock,       this};
  for (platform::Form* window : windows) {
    attempt(needs_.platform.log, "exit", [&] { window->Unload(); });
  }
  attempt(needs_.platform.log, "exit", [&] { deleteClockOpen(); });
  needs_.programEnd.endProcess(0);
}

bool MainWindow::startOffered() { return menu_one(1).Enabled(); }

bool MainWindow::stopOffered() { return menu_one(3).Enabled(); }

bool MainWindow::startShown() { return menu_one(1).Visible(); }

void MainWindow::offerRunItems(bool counting) {
  const std::string& check = needs_.settings.checkvalue;
  const bool manual = !ReadAImode(needs_.platform, needs_.settings);
  const bool pauseAllowed = optionOn(check, CheckFlag::PauseAllowed);
  const bool settingsAllowed = optionOn(check, CheckFlag::SettingsAllowed);
  const bool presetsExist = presetsListed;
  if (counting) {
    menu_one(1).setEnabled(false);
    menu_one(1).setVisible(manual);
    menu_one(2).setEnabled(pauseAllowed);
    menu_one(2).setVisible(pauseAllowed);
    setPaused(needs_, false);
    menu_one(3).setEnabled(manual);
    menu_one(3).setVisible(manual);
    menu_two(2).setEnabled(settingsAllowed);
    menu_two(2).setVisible(settingsAllowed);
    menu_two(3).setEnabled(settingsAllowed);
    menu_two(3).setVisible(settingsAllowed && presetsExist);
    for (int i : {0, 2, 3, 4}) {
      menu_other(i).setEnabled(false);
      menu_other(i).setVisible(false);
    }
  } else {
    menu_one(1).setEnabled(manual);
    menu_one(1).setVisible(manual);
    menu_one(2).setEnabled(false);
    menu_one(2).setVisible(pauseAllowed);
    menu_one(3).setEnabled(false);
    menu_one(3).setVisible(manual);
    releaseRunItems();
  }
}

void MainWindow::releaseRunItems() {
  const std::string& check = needs_.settings.checkvalue;
  menu_two(2).setEnabled(true);
  menu_two(2).setVisible(true);
  menu_two(3).setEnabled(true);
  menu_two(3).setVisible(optionOn(check, CheckFlag::SettingsAllowed) && presetsListed);
  for (int i : {0, 2, 3, 4}) menu_other(i).setEnabled(true);
  for (int i : {0, 2, 3, 4}) menu_other(i).setVisible(true);
}

void MainWindow::showRunStopped() {
  menu_one(1).setEnabled(true);
  menu_one(2).setEnabled(false);
  menu_one(2).setVisible(optionOn(needs_.settings.checkvalue, CheckFlag::PauseAllowed));
  setPaused(needs_, false);
  menu_one(3).setEnabled(false);
  menu_two(1).setEnabled(true);
}

void MainWindow::showRunEnded() {
  menu_one(1).setEnabled(!ReadAImode(needs_.platform, needs_.settings));
  menu_one(2).setEnabled(false);
  menu_one(2).setVisible(optionOn(needs_.settings.checkvalue, CheckFlag::PauseAllowed));
  menu_one(3).setEnabled(false);
  releaseRunItems();
}

void MainWindow::showRunPaused(bool paused) {
  setCaptionPrefix(menu_one(2), paused ? "继续" : "暂停");
}

void MainWindow::showClocksHidden(bool hidden) {
  setCaptionPrefix(menu_two(1), hidden ? "显示" : "隐藏");
}

bool MainWindow::menuOpen() { return menu.Visible(); }

void MainWindow::popUpMenu(platform::Form& over, std::optional<platform::PixelPoint> at) {
  if (at) {
    needs_.platform.tray.popupAt(over, menu, *at);
  } else {
    needs_.platform.tray.popup(over, menu);
  }
}

// The spotlight items are numbered in the order of the spotlights.
bool MainWindow::spotlightTicked(int index) { return MouseLight(index).Checked(); }

void MainWindow::setSpotlightTicked(int index, bool ticked) {
  MouseLight(index).setChecked(ticked);
}

}  // namespace horalix
