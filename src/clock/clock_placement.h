// Showing, hiding and placing the two clock windows. A clock is never made invisible: a hidden
// clock is parked far above and to the left of the screen, and showing it moves it back to its
// saved place and hands it to its show-and-place sequencer. Whether the clocks are meant
// to be shown is the run state's clocksHidden; the tray item "隐藏"/"显示" shows it.
#pragma once

#include <string>

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"
#include "services/settings_block.h"

namespace horalix {

class FloatingClock;
class MirrorClock;

// The two clock windows and what showing, hiding and placing them works with. The program's
// composition (app/) fills it in once; the subsystems that move the clocks hold it.
struct ClockPair {
  platform::Platform& platform;
  SettingsBlock& settings;
  RunState& run;
  RunMenus& runMenus;
  InteractionMenu& interactionMenu;
  FloatingClock& floatingClock;
  MirrorClock& mirrorClock;
};

// A window position saved in TimeData.db [clocksite] (twips), or in the registry when either
// key holds -100 there (also the value of a missing key); -100 where it is stored nowhere.
struct SavedPosition {
  int left = -100;
  int top = -100;
};
SavedPosition readSavedPosition(platform::Platform& platform, const std::string& leftKey,
                                const std::string& topKey);

// The tray item and hot key 4: shows parked clocks, parks shown ones.
void ShowHideClock(const ClockPair& needs);
// Puts the clocks at their saved places, pulled inside the screen, and draws them.
void ShowClocks(const ClockPair& needs);
// Parks the clocks and sets their sequencers to rest.
void HideClocks(const ClockPair& needs);
// Re-applies the current show/hide choice after a stop, the end of a run or a settings change;
// with the option to hide the clocks while no count runs, they show only while one counts.
void RestoreClocks(const ClockPair& needs);
// Ends the keep-on-top hold-off, marks the clocks shown and starts each clock's sequencer unless
// it is already at work.
void MarkClocksShown(const ClockPair& needs);
// Draws both clocks with their current text at the configured size; the extended screen's clock
// is drawn larger by the configured amount.
void ApplyClockStyle(const ClockPair& needs);
// Puts both clock windows on top (unless the hold-off says otherwise).
void raiseClocks(const ClockPair& needs);

}  // namespace horalix
