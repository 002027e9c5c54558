// What the prompt bars, the spotlights, the help window and the time-up prompt work with: the
// platform, the settings record, the run state, the ports they call up the chain, and one
// another. The program's composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

class PromptBar;
class FollowSpotlight;
class SpotlightDarkLayer;
class SpotlightVeil;

struct BarsNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  RunControl& runControl;
  SpotlightMenu& spotlightMenu;
  ClockDisplay& clockDisplay;
  InteractionMenu& interactionMenu;
  PromptBar& promptBar;
  PromptBar& secondPromptBar;
  FollowSpotlight& followSpotlight;
  SpotlightDarkLayer& spotlightDarkLayer;
  SpotlightVeil& spotlightVeil;
};

}  // namespace horalix
