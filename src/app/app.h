// The running program: it owns the windows that stay loaded for the life of the process and
// fills in the context that every subsystem receives.
#pragma once

#include <memory>

#include "app/app_ports.h"
#include "platform/platform.h"
#include "services/context.h"

namespace horalix {

class App final : public Context {
 public:
  explicit App(platform::Platform& platform);
  ~App() override;

  MainWindow& mainWindow() override { return *mainWindow_; }
  PromptBar& promptBar() override { return *promptBar_; }
  PromptBar& secondPromptBar() override { return *secondPromptBar_; }
  InteractionWindow& interactionWindow() override { return *interactionWindow_; }
  FloatingClock& floatingClock() override { return *floatingClock_; }
  MirrorClock& mirrorClock() override { return *mirrorClock_; }

  SettingsWindow& settingsWindow() override { return *settingsWindow_; }
  StatisticsWindow& statisticsWindow() override { return *statisticsWindow_; }
  PresetManager& presetManager() override { return *presetManager_; }
  InteractionSettingsWindow& interactionSettingsWindow() override {
    return *interactionSettingsWindow_;
  }
  FollowSpotlight& followSpotlight() override { return *followSpotlight_; }
  SpotlightDarkLayer& spotlightDarkLayer() override { return *spotlightDarkLayer_; }
  SpotlightVeil& spotlightVeil() override { return *spotlightVeil_; }
  OnlineHelpWindow& onlineHelpWindow() override { return *onlineHelpWindow_; }
  TimeUpPrompt& timeUpPrompt() override { return *timeUpPrompt_; }
  TimeUpBackdrop& timeUpBackdrop() override { return *timeUpBackdrop_; }

  platform::Form& runStateWindow() override;
  void addRunRecordRow(const RunState::Record& record) override;
  Ports& ports() override { return ports_; }

 private:
  std::unique_ptr<MainWindow> mainWindow_;
  std::unique_ptr<PromptBar> promptBar_;
  std::unique_ptr<PromptBar> secondPromptBar_;
  std::unique_ptr<InteractionWindow> interactionWindow_;
  std::unique_ptr<FloatingClock> floatingClock_;
  std::unique_ptr<MirrorClock> mirrorClock_;
  std::unique_ptr<SettingsWindow> settingsWindow_;
  std::unique_ptr<StatisticsWindow> statisticsWindow_;
  std::unique_ptr<PresetManager> presetManager_;
  std::unique_ptr<InteractionSettingsWindow> interactionSettingsWindow_;
  std::unique_ptr<FollowSpotlight> followSpotlight_;
  std::unique_ptr<SpotlightDarkLayer> spotlightDarkLayer_;
  std::unique_ptr<SpotlightVeil> spotlightVeil_;
  std::unique_ptr<OnlineHelpWindow> onlineHelpWindow_;
  std::unique_ptr<TimeUpPrompt> timeUpPrompt_;
  std::unique_ptr<TimeUpBackdrop> timeUpBackdrop_;
  AppPorts ports_{*this};
};

}  // namespace horalix
