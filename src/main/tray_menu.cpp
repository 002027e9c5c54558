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
    setSpotlightTicked(0, false);
    needs_.followSpotlight.Unload();
  } else if (open == OpenWindow::SpotlightArea) {
    setSpotlightTicked(1, false);
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
  attempt(needs_.platform.log, "statistics",
          [&] { resetRunRecord(needs_.run, needs_.platform.loop, needs_.settings); });
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
  const TrayOffers::Offer& startOffer = needs_.run.offers.start;
  if (!startOffer.shown) return;
  startOffer.enabled ? StartTiming(needs_) : StopTiming(needs_);
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

void MainWindow::offerRunItems(bool counting) {
  const std::string& check = needs_.settings.checkvalue;
  const bool manual = !ReadAImode(needs_.platform, needs_.settings);
  const bool pauseAllowed = optionOn(check, CheckFlag::PauseAllowed);
  const bool settingsAllowed = optionOn(check, CheckFlag::SettingsAllowed);
  TrayOffers& offers = needs_.run.offers;
  if (counting) {
    offers.start = {false, manual};
    offers.pause = {pauseAllowed, pauseAllowed};
    needs_.run.paused = false;
    offers.stop = {manual, manual};
    offers.settings = {settingsAllowed, settingsAllowed};
    offers.presets = {settingsAllowed, settingsAllowed && presetsListed};
    offers.tools = {false, false};
    paintMenus();
  } else {
    offers.start = {manual, manual};
    offers.pause = {false, pauseAllowed};
    offers.stop = {false, manual};
    releaseRunItems();
  }
}

void MainWindow::releaseRunItems() {
  TrayOffers& offers = needs_.run.offers;
  offers.settings = {true, true};
  offers.presets = {
      true, optionOn(needs_.settings.checkvalue, CheckFlag::SettingsAllowed) && presetsListed};
  offers.tools = {true, true};
  paintMenus();
}

void MainWindow::showRunStopped() {
  TrayOffers& offers = needs_.run.offers;
  offers.start.enabled = true;
  offers.pause = {false, optionOn(needs_.settings.checkvalue, CheckFlag::PauseAllowed)};
  needs_.run.paused = false;
  offers.stop.enabled = false;
  offers.showHide.enabled = true;
  paintMenus();
}

void MainWindow::showRunEnded() {
  TrayOffers& offers = needs_.run.offers;
  offers.start.enabled = !ReadAImode(needs_.platform, needs_.settings);
  offers.pause = {false, optionOn(needs_.settings.checkvalue, CheckFlag::PauseAllowed)};
  offers.stop.enabled = false;
  releaseRunItems();
}

void MainWindow::showClocksHidden(bool hidden) {
  needs_.run.clocksHidden = hidden;
  paintMenus();
}

void MainWindow::popUpMenu(platform::Form& over, std::optional<platform::PixelPoint> at) {
  paintMenus();
  // The menu is open until it closes; the chosen command runs after that.
  needs_.run.trayMenuOpen = true;
  platform::Tray& tray = needs_.platform.tray;
  tray.onMenuClosed = [this] { needs_.run.trayMenuOpen = false; };
  if (at) {
    tray.popupAt(over, menu, *at);
  } else {
    tray.popup(over, menu);
  }
  tray.onMenuClosed = nullptr;
  needs_.run.trayMenuOpen = false;  // also when no menu could show
}

void MainWindow::setSpotlightTicked(int index, bool ticked) {
  needs_.run.spotlightOn.at(static_cast<std::size_t>(index)) = ticked;
  paintMenus();
}

}  // namespace horalix
