// What the settings window and the routines that apply it work with: the platform, the settings
// record, the run state, the port that opens the preset manager up the chain, the interaction
// menu through which the extended-screen reader shows its item, and the windows that a change of
// settings moves, redraws or re-arms (the two clocks also as the pair that the clock placement
// and the hand-back to timing take). The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// bars/bars.h
class PromptBar;
// clock/clock.h
struct ClockPair;
class FloatingClock;
class MirrorClock;
// main/main.h
class MainWindow;

struct SettingsNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  ToolWindows& toolWindows;
  InteractionMenu& interactionMenu;
  MainWindow& mainWindow;
  FloatingClock& floatingClock;
  MirrorClock& mirrorClock;
  PromptBar& promptBar;
  PromptBar& secondPromptBar;
  ClockPair& clocks;
};

}  // namespace horalix
