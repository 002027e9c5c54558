#include "app/app_ports.h"

#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "presets/presets.h"
#include "services/window_utilities.h"
#include "settings/settings.h"

namespace horalix {

void AppPorts::endRun() { EndTiming(context_); }

void AppPorts::hideProcessBars() { HideProcessBars(context_); }

void AppPorts::hideInteraction() { HideInteraction(context_); }

void AppPorts::nextPreset() { context_.mainWindow().nextmenu_often(); }

void AppPorts::closeToolWindow() { context_.mainWindow().delform(); }

void AppPorts::endSlideShow() { EndSlideShow(context_); }

void AppPorts::resumeDocumentWatch() { context_.mainWindow().resumeDocumentWatch(); }

void AppPorts::startRun() { StartTiming(context_); }

void AppPorts::stopRun() { StopTiming(context_); }

void AppPorts::runStarted(bool counting) { context_.mainWindow().offerRunItems(counting); }

bool AppPorts::startOffered() { return context_.mainWindow().startOffered(); }

void AppPorts::showClocksHidden(bool hidden) { context_.mainWindow().showClocksHidden(hidden); }

bool AppPorts::menuOpen() { return context_.mainWindow().menuOpen(); }

void AppPorts::popUp(platform::Form& over, std::optional<platform::PixelPoint> at) {
  context_.mainWindow().popUpMenu(over, at);
}

// The preset manager opens through its own opener, modal; the others show as their commands
// show them.
void AppPorts::open(ToolWindow window) {
  if (window == ToolWindow::PresetManager) {
    openPresetManager(context_);
  } else {
    form(window).Show();
  }
}

void AppPorts::unload(ToolWindow window) { form(window).Unload(); }

platform::Form& AppPorts::form(ToolWindow window) {
  switch (window) {
    case ToolWindow::Statistics:
      return context_.statisticsWindow();
    case ToolWindow::PresetManager:
      return context_.presetManager();
    case ToolWindow::InteractionSettings:
      return context_.interactionSettingsWindow();
    case ToolWindow::Settings:
      break;
  }
  return context_.settingsWindow();
}

std::string AppPorts::presetCaption(int index) {
  return context_.mainWindow().interactionPresetCaption(index);
}

void AppPorts::showPreset(int index, bool visible, const std::string& caption) {
  context_.mainWindow().showInteractionPreset(index, visible, caption);
}

void AppPorts::showPaused(bool paused) { context_.mainWindow().showInteractionPaused(paused); }

bool AppPorts::onExtendedScreen() { return context_.mainWindow().interactionOnExtendedScreen(); }

void AppPorts::popUp() { context_.mainWindow().popUpInteractionMenu(); }

void AppPorts::tickExtendedScreen(bool ticked) {
  context_.mainWindow().tickInteractionExtendedScreen(ticked);
}

void AppPorts::offerExtendedScreen(bool offered) {
  context_.mainWindow().offerInteractionExtendedScreen(offered);
}

// The spotlight items are numbered in the order of the enumeration.
bool AppPorts::checked(Spotlight spotlight) {
  return context_.mainWindow().spotlightTicked(static_cast<int>(spotlight));
}

void AppPorts::setChecked(Spotlight spotlight, bool checked) {
  context_.mainWindow().setSpotlightTicked(static_cast<int>(spotlight), checked);
}

void AppPorts::redrawText(int fontSize) { context_.floatingClock().redrawFaceText(fontSize); }

AlarmStage AppPorts::alarmStage() { return context_.floatingClock().alarmStage; }

void AppPorts::putOnTop() { SetTopmost(context_.run, context_.floatingClock()); }

void AppPorts::addRow(const RunState::Record& record) { context_.addRunRecordRow(record); }

}  // namespace horalix
