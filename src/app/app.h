// The running program: it owns the settings record, the run state, the ports and every window,
// and hands each subsystem what it works with. The windows stay loaded for the life of the
// process; the tool windows are loaded when a command opens them and unloaded when they close.
#pragma once

#include "app/app_ports.h"
#include "bars/bars.h"
#include "clock/clock.h"
#include "interaction/interaction.h"
#include "main/main.h"
#include "platform/platform.h"
#include "presets/presets.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"
#include "settings/settings.h"

namespace horalix {

class App final {
 public:
  explicit App(platform::Platform& platform);
  ~App();
  App(const App&) = delete;
  App& operator=(const App&) = delete;

  platform::Platform& platform;
  SettingsBlock settings;
  RunState run;
  AppPorts ports{*this};

  // What each subsystem works with, bottom to top, and the two sets of windows that routines of
  // a lower subsystem take from the ones above. Each holds references to the windows, which are
  // built after it.
  Spotlights spotlights{.run = run,
                        .runControl = ports,
                        .spotlightMenu = ports,
                        .followSpotlight = followSpotlight_,
                        .spotlightDarkLayer = spotlightDarkLayer_,
                        .spotlightVeil = spotlightVeil_};
  ClockPair clocks{.platform = platform,
                   .settings = settings,
                   .run = run,
                   .runMenus = ports,
                   .interactionMenu = ports,
                   .floatingClock = floatingClock_,
                   .mirrorClock = mirrorClock_};
  BarsNeeds barsNeeds{.platform = platform,
                      .settings = settings,
                      .run = run,
                      .runControl = ports,
                      .spotlightMenu = ports,
                      .clockDisplay = ports,
                      .interactionMenu = ports,
                      .promptBar = promptBar_,
                      .secondPromptBar = secondPromptBar_,
                      .followSpotlight = followSpotlight_,
                      .spotlightDarkLayer = spotlightDarkLayer_,
                      .spotlightVeil = spotlightVeil_};

 private:
  // The bars' windows, built before the needs above them: the time-up prompt and the online
  // help window, which other folders only show, are held there as forms. The windows are built
  // bottom to top of the chain; timers that fall due together run in that order.
  PromptBar promptBar_{barsNeeds, "Frm_process"};
  PromptBar secondPromptBar_{barsNeeds, "Frm_process_two"};
  FollowSpotlight followSpotlight_{barsNeeds};
  SpotlightDarkLayer spotlightDarkLayer_{barsNeeds};
  SpotlightVeil spotlightVeil_{barsNeeds};
  platform::OwnedForm<OnlineHelpWindow> onlineHelpWindow_ = makeOnlineHelpWindow(barsNeeds);
  platform::OwnedForm<TimeUpPrompt> timeUpPrompt_ = makeTimeUpPrompt(barsNeeds);

 public:
  ClockNeeds clockNeeds{.platform = platform,
                        .settings = settings,
                        .run = run,
                        .runControl = ports,
                        .runMenus = ports,
                        .toolWindows = ports,
                        .interactionMenu = ports,
                        .runRecords = ports,
                        .floatingClock = floatingClock_,
                        .mirrorClock = mirrorClock_,
                        .promptBar = promptBar_,
                        .secondPromptBar = secondPromptBar_,
                        .followSpotlight = followSpotlight_,
                        .timeUpPrompt = timeUpPrompt_.form(),
                        .clocks = clocks};
  InteractionNeeds interactionNeeds{.platform = platform,
                                    .run = run,
                                    .runControl = ports,
                                    .toolWindows = ports,
                                    .interactionMenu = ports,
                                    .interactionWindow = interactionWindow_,
                                    .floatingClock = floatingClock_};
  MainNeeds mainNeeds{.platform = platform,
                      .settings = settings,
                      .run = run,
                      .runControl = ports,
                      .toolWindows = ports,
                      .interactionMenu = ports,
                      .programEnd = ports,
                      .mainWindow = mainWindow_,
                      .floatingClock = floatingClock_,
                      .mirrorClock = mirrorClock_,
                      .promptBar = promptBar_,
                      .secondPromptBar = secondPromptBar_,
                      .interactionWindow = interactionWindow_,
                      .followSpotlight = followSpotlight_,
                      .spotlightDarkLayer = spotlightDarkLayer_,
                      .spotlightVeil = spotlightVeil_,
                      .onlineHelpWindow = onlineHelpWindow_.form(),
                      .clocks = clocks,
                      .spotlights = spotlights};
  SettingsNeeds settingsNeeds{.platform = platform,
                              .settings = settings,
                              .run = run,
                              .toolWindows = ports,
                              .interactionMenu = ports,
                              .mainWindow = mainWindow_,
                              .floatingClock = floatingClock_,
                              .mirrorClock = mirrorClock_,
                              .promptBar = promptBar_,
                              .secondPromptBar = secondPromptBar_,
                              .clocks = clocks};
  PresetsNeeds presetsNeeds{.platform = platform,
                            .settings = settings,
                            .settingsWindow = settingsWindow_,
                            .mainWindow = mainWindow_,
                            .clocks = clocks};

  MainWindow& mainWindow() { return mainWindow_; }
  PromptBar& promptBar() { return promptBar_; }
  PromptBar& secondPromptBar() { return secondPromptBar_; }
  InteractionWindow& interactionWindow() { return interactionWindow_; }
  FloatingClock& floatingClock() { return floatingClock_; }
  MirrorClock& mirrorClock() { return mirrorClock_; }
  SettingsWindow& settingsWindow() { return settingsWindow_; }
  StatisticsWindow& statisticsWindow() { return statisticsWindow_.window(); }
  PresetManager& presetManager() { return presetManager_.window(); }
  InteractionSettingsWindow& interactionSettingsWindow() {
    return interactionSettingsWindow_.window();
  }
  FollowSpotlight& followSpotlight() { return followSpotlight_; }
  SpotlightDarkLayer& spotlightDarkLayer() { return spotlightDarkLayer_; }
  SpotlightVeil& spotlightVeil() { return spotlightVeil_; }
  OnlineHelpWindow& onlineHelpWindow() { return onlineHelpWindow_.window(); }
  TimeUpPrompt& timeUpPrompt() { return timeUpPrompt_.window(); }

  // Ends the process: the event loop returns.
  void endProcess(int exitCode = 0);
  bool ended() const { return ended_; }

 private:
  // The ports reach the inner windows as forms.
  friend class AppPorts;

  bool ended_ = false;

  // The windows of the subsystems above the bars.
  FloatingClock floatingClock_{clockNeeds};
  MirrorClock mirrorClock_{clockNeeds};
  InteractionWindow interactionWindow_{interactionNeeds};
  platform::OwnedForm<InteractionSettingsWindow> interactionSettingsWindow_ =
      makeInteractionSettingsWindow(interactionNeeds);
  MainWindow mainWindow_{mainNeeds};
  SettingsWindow settingsWindow_{settingsNeeds};
  platform::OwnedForm<StatisticsWindow> statisticsWindow_ = makeStatisticsWindow(presetsNeeds);
  platform::OwnedForm<PresetManager> presetManager_ = makePresetManager(presetsNeeds);
};

}  // namespace horalix
