// What the two clock windows and the routines that show, place and end them work with: the
// platform, the settings record, the run state, the ports they call up the chain, the two clocks
// (also as the pair that the placement routines take) and the bars below them. The program's
// composition (app/) fills it in.
#pragma once

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// bars/bars.h
class PromptBar;
class FollowSpotlight;
// clock/clock.h
class FloatingClock;
class MirrorClock;
struct ClockPair;

struct ClockNeeds {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  RunControl& runControl;
  RunMenus& runMenus;
  ToolWindows& toolWindows;
  InteractionMenu& interactionMenu;
  RunRecords& runRecords;
  FloatingClock& floatingClock;
  MirrorClock& mirrorClock;
  PromptBar& promptBar;
  PromptBar& secondPromptBar;
  FollowSpotlight& followSpotlight;
  // The time-up prompt, which the clock only shows.
  platform::Form& timeUpPrompt;
  ClockPair& clocks;
};

}  // namespace horalix
