#include "app/app.h"

#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "presets/presets.h"
#include "settings/settings.h"

namespace horalix {

App::App(platform::Platform& p)
    : Context(p),
      mainWindow_(std::make_unique<MainWindow>(*this)),
      promptBar_(std::make_unique<PromptBar>(*this, "Frm_process")),
      secondPromptBar_(std::make_unique<PromptBar>(*this, "Frm_process_two")),
      interactionWindow_(std::make_unique<InteractionWindow>(*this)),
      floatingClock_(std::make_unique<FloatingClock>(*this)),
      mirrorClock_(std::make_unique<MirrorClock>(*this)),
      settingsWindow_(std::make_unique<SettingsWindow>(*this)),
      statisticsWindow_(std::make_unique<StatisticsWindow>(*this)),
      presetManager_(std::make_unique<PresetManager>(*this)),
      interactionSettingsWindow_(std::make_unique<InteractionSettingsWindow>(*this)),
      followSpotlight_(std::make_unique<FollowSpotlight>(*this)),
      spotlightDarkLayer_(std::make_unique<SpotlightDarkLayer>(*this)),
      spotlightVeil_(std::make_unique<SpotlightVeil>(*this)),
      onlineHelpWindow_(std::make_unique<OnlineHelpWindow>(*this)),
      timeUpPrompt_(std::make_unique<TimeUpPrompt>(*this)),
      timeUpBackdrop_(std::make_unique<TimeUpBackdrop>(*this)) {}

App::~App() = default;

platform::Form& App::runStateWindow() { return *mainWindow_; }

void App::addRunRecordRow(const RunState::Record& record) {
  horalix::addRunRecordRow(*this, record);
}

}  // namespace horalix
