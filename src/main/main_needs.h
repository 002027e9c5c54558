// What the hidden main window, its tray menu and the routines that start, pause and end a run
// work with: the platform, the settings record, the run state, the ports they call up the chain,
// the end of the program, the main window, and the windows and routines of the subsystems below
// (each of those through what it works with itself). The program's composition (app/) fills it
// in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// bars/bars.h
struct BarsNeeds;
class PromptBar;
class FollowSpotlight;
class SpotlightDarkLayer;
class SpotlightVeil;
class OnlineHelpWindow;
// clock/clock.h
struct ClockNeeds;
class FloatingClock;
class MirrorClock;
// interaction/interaction.h
struct InteractionNeeds;
class InteractionWindow;
class InteractionSettingsWindow;
// main/main.h
class MainWindow;

struct MainNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  ToolWindows& toolWindows;
  InteractionMenu& interactionMenu;
  ProgramEnd& programEnd;
  MainWindow& mainWindow;
  FloatingClock& floatingClock;
  MirrorClock& mirrorClock;
  PromptBar& promptBar;
  PromptBar& secondPromptBar;
  InteractionWindow& interactionWindow;
  InteractionSettingsWindow& interactionSettingsWindow;
  FollowSpotlight& followSpotlight;
  SpotlightDarkLayer& spotlightDarkLayer;
  SpotlightVeil& spotlightVeil;
  OnlineHelpWindow& onlineHelpWindow;
  BarsNeeds& barsNeeds;
  ClockNeeds& clockNeeds;
  InteractionNeeds& interactionNeeds;
};

}  // namespace horalix
