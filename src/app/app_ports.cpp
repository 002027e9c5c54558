#include "app/app_ports.h"

#include "app/app.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "presets/presets.h"
#include "services/window_utilities.h"
#include "settings/settings.h"

namespace horalix {

void AppPorts::endRun() { EndTiming(app_.mainNeeds); }

void AppPorts::hideProcessBars() { HideProcessBars(app_.promptBar(), app_.secondPromptBar()); }

void AppPorts::hideInteraction() { HideInteraction(app_.interactionWindow()); }

void AppPorts::nextPreset() { app_.mainWindow().nextmenu_often(); }

void AppPorts::closeToolWindow() { app_.mainWindow().delform(); }

void AppPorts::endSlideShow() { EndSlideShow(app_.platform); }

void AppPorts::resumeDocumentWatch() { app_.mainWindow().resumeDocumentWatch(); }

void AppPorts::startRun() { StartTiming(app_.mainNeeds); }

void AppPorts::stopRun() { StopTiming(app_.mainNeeds); }

void AppPorts::runStarted(bool counting) { app_.mainWindow().offerRunItems(counting); }

void AppPorts::showClocksHidden(bool hidden) { app_.mainWindow().showClocksHidden(hidden); }

void AppPorts::popUp(platform::Form& over, std::optional<platform::PixelPoint> at) {
  app_.mainWindow().popUpMenu(over, at);
}

// The preset manager opens modal, over the settings window that opens it; the others modeless.
void AppPorts::open(ToolWindow window) { form(window).Show(window == ToolWindow::PresetManager); }

void AppPorts::unload(ToolWindow window) { form(window).Unload(); }

platform::Form& AppPorts::form(ToolWindow window) {
  switch (window) {
    case ToolWindow::Statistics:
      return app_.statisticsWindow_.form();
    case ToolWindow::PresetManager:
      return app_.presetManager_.form();
    case ToolWindow::InteractionSettings:
      return app_.interactionSettingsWindow_.form();
    case ToolWindow::Settings:
      break;
  }
  return app_.settingsWindow();
}

std::string AppPorts::presetCaption(int index) {
  return app_.mainWindow().interactionPresetCaption(index);
}

void AppPorts::showPreset(int index, bool visible, const std::string& caption) {
  app_.mainWindow().showInteractionPreset(index, visible, caption);
}

void AppPorts::showPaused(bool paused) { app_.mainWindow().showInteractionPaused(paused); }

void AppPorts::popUp() { app_.mainWindow().popUpInteractionMenu(); }

void AppPorts::tickExtendedScreen(bool ticked) {
  app_.mainWindow().tickInteractionExtendedScreen(ticked);
}

void AppPorts::offerExtendedScreen(bool offered) {
  app_.mainWindow().offerInteractionExtendedScreen(offered);
}

// The spotlight items are numbered in the order of the enumeration.
void AppPorts::setChecked(Spotlight spotlight, bool checked) {
  app_.mainWindow().setSpotlightTicked(static_cast<int>(spotlight), checked);
}

void AppPorts::redrawText(int fontSize) { app_.floatingClock().redrawFaceText(fontSize); }

AlarmStage AppPorts::alarmStage() { return app_.floatingClock().alarmStage; }

void AppPorts::putOnTop() { SetTopmost(app_.run, app_.floatingClock()); }

void AppPorts::addRow(const RunState::Record& record) { addRunRecordRow(app_.platform, record); }

void AppPorts::endProcess(int exitCode) { app_.endProcess(exitCode); }

}  // namespace horalix
