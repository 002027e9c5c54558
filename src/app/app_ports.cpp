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

void AppPorts::resumeDocumentWatch() { context_.mainWindow().Timer4.setEnabled(true); }

void AppPorts::startRun() { StartTiming(context_); }

void AppPorts::stopRun() { StopTiming(context_); }

void AppPorts::runStarted(bool counting) { setRunStartMenus(context_, counting); }

bool AppPorts::startOffered() { return context_.mainWindow().menu_one(1).Enabled(); }

void AppPorts::showClocksHidden(bool hidden) {
  setCaptionPrefix(context_.mainWindow().menu_two(1), hidden ? "显示" : "隐藏");
}

bool AppPorts::menuOpen() { return context_.mainWindow().menu.Visible(); }

void AppPorts::popUp(platform::Form& over, std::optional<platform::PixelPoint> at) {
  platform::MenuItem& menu = context_.mainWindow().menu;
  if (at) {
    context_.platform.tray.popupAt(over, menu, *at);
  } else {
    context_.platform.tray.popup(over, menu);
  }
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
  return context_.mainWindow().hd_time_one(index).Caption();
}

void AppPorts::showPreset(int index, bool visible, const std::string& caption) {
  platform::MenuItem& item = context_.mainWindow().hd_time_one(index);
  item.setVisible(visible);
  item.setCaption(caption);
}

// The pause item is the second of the countdown's own menu.
void AppPorts::showPaused(bool paused) {
  context_.mainWindow().menuItem("Frmhudong", 1).setCaption(paused ? "开始计时" : "暂停计时");
}

bool AppPorts::onExtendedScreen() {
  const platform::MenuItem& extended = context_.mainWindow().hd_time_show();
  return extended.Visible() && extended.Checked();
}

void AppPorts::popUp() {
  MainWindow& main = context_.mainWindow();
  context_.platform.tray.popup(main, main.ppt_hudong);
}

void AppPorts::tickExtendedScreen(bool ticked) {
  context_.mainWindow().hd_time_show().setChecked(ticked);
}

void AppPorts::offerExtendedScreen(bool offered) {
  platform::MenuItem* extended = context_.mainWindow().findMenu("hd_time_show");
  if (extended == nullptr) return;
  if (!offered) extended->setChecked(false);
  extended->setVisible(offered);
}

// The spotlight items are numbered in the order of the enumeration.
bool AppPorts::checked(Spotlight spotlight) {
  return context_.mainWindow().MouseLight(static_cast<int>(spotlight)).Checked();
}

void AppPorts::setChecked(Spotlight spotlight, bool checked) {
  context_.mainWindow().MouseLight(static_cast<int>(spotlight)).setChecked(checked);
}

// The shown text is the one the clock holds in its Label11.
void AppPorts::redrawText(int fontSize) {
  FloatingClock& clock = context_.floatingClock();
  clock.ShowStatue(clock.Label11.Caption(), fontSize);
}

AlarmStage AppPorts::alarmStage() { return context_.floatingClock().alarmStage; }

void AppPorts::putOnTop() { SetTopmost(context_.run, context_.floatingClock()); }

void AppPorts::addRow(const RunState::Record& record) { context_.addRunRecordRow(record); }

}  // namespace horalix
