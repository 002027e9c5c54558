// What the hidden main window, its tray menu and the routines that start, pause and end a run
// work with: the platform, the settings record, the run state, the ports they call up the chain,
// the end of the program, the main window, and the windows below that a run or a command acts on
// (the two clocks also as the pair that the clock placement takes, the spotlights as the set that
// their commands take). The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// bars/bars.h
struct Spotlights;
class PromptBar;
class FollowSpotlight;
class SpotlightDarkLayer;
class SpotlightVeil;
// clock/clock.h
struct ClockPair;
class FloatingClock;
class MirrorClock;
// interaction/interaction.h
class InteractionWindow;
// main/main.h
class MainWindow;

struct MainNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  RunControl& runControl;
  ToolWindows& toolWindows;
  InteractionMenu& interactionMenu;
  ProgramEnd& programEnd;
  MainWindow& mainWindow;
  FloatingClock& floatingClock;
  MirrorClock& mirrorClock;
  PromptBar& promptBar;
  PromptBar& secondPromptBar;
  InteractionWindow& interactionWindow;
  FollowSpotlight& followSpotlight;
  SpotlightDarkLayer& spotlightDarkLayer;
  SpotlightVeil& spotlightVeil;
  // The online help window, which the tray menu only shows.
  platform::Form& onlineHelpWindow;
  ClockPair& clocks;
  Spotlights& spotlights;
};

}  // namespace horalix
