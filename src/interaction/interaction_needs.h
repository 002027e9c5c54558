// What the interaction countdown and its settings window work with: the platform, the run state,
// the ports they call up the chain, the countdown window and the floating clock. The program's
// composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"

namespace horalix {

// clock/clock.h
class FloatingClock;
// interaction/interaction.h
class InteractionWindow;

struct InteractionNeeds {
  platform::Platform& platform;
  RunState& run;
  RunControl& runControl;
  ToolWindows& toolWindows;
  InteractionMenu& interactionMenu;
  InteractionWindow& interactionWindow;
  FloatingClock& floatingClock;
};

}  // namespace horalix
