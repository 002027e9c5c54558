// What the interaction countdown and its settings window work with: the platform, the settings
// record, the run state, the ports they call up the chain, the two windows and the floating
// clock. The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// clock/clock.h
class FloatingClock;
// interaction/interaction.h
class InteractionWindow;
class InteractionSettingsWindow;

struct InteractionNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  RunControl& runControl;
  ToolWindows& toolWindows;
  InteractionMenu& interactionMenu;
  InteractionWindow& interactionWindow;
  InteractionSettingsWindow& interactionSettingsWindow;
  FloatingClock& floatingClock;
};

}  // namespace horalix
