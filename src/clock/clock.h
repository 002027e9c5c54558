// The clock subsystem's public interface: the clock window and its mirror on the second screen,
// showing, hiding and placing the two, and what the subsystem works with. Other folders include
// this header, never the files behind it.
#pragma once

#include "clock/clock_needs.h"
#include "clock/floating_clock.h"
#include "clock/mirror_clock.h"
#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

// The two clock windows and what showing, hiding and placing them works with. The program's
// composition (app/) fills it in once; the subsystems that move or re-arm the clocks hold it.
struct ClockPair {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  RunMenus& runMenus;
  InteractionMenu& interactionMenu;
  FloatingClock& floatingClock;
  MirrorClock& mirrorClock;
};

// The tray item and hot key 4: shows parked clocks, parks shown ones.
void ShowHideClock(const ClockPair& needs);
// Re-applies the current show/hide choice after a stop, the end of a run or a settings change;
// with the option to hide the clocks while no count runs, they show only while one counts.
void RestoreClocks(const ClockPair& needs);
// Puts both clock windows on top (unless the hold-off says otherwise).
void raiseClocks(const ClockPair& needs);

}  // namespace horalix
