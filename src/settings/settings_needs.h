// What the settings window and the routines that apply it work with: the platform, the settings
// record, the run state, the ports they call up the chain, and the windows and routines below
// that a change of settings reaches. The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// bars/bars.h
struct BarsNeeds;
class PromptBar;
// clock/clock.h
struct ClockNeeds;
class FloatingClock;
class MirrorClock;
// main/main.h
struct MainNeeds;
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
  BarsNeeds& barsNeeds;
  ClockNeeds& clockNeeds;
  MainNeeds& mainNeeds;
};

}  // namespace horalix
