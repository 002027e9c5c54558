// Showing, hiding and placing the two clock windows. A clock is never made invisible: a hidden
// clock is parked far above and to the left of the screen, and showing it moves it back to its
// saved place and hands it to its show-and-place sequencer. Whether the clocks are meant
// to be shown is the run state's clocksHidden; the tray item "隐藏"/"显示" shows it.
#pragma once

#include <string>

#include "clock/clock.h"
#include "platform/platform.h"

namespace horalix {

// A window position saved in TimeData.db [clocksite] (twips), or in the registry when either
// key holds -100 there (also the value of a missing key); -100 where it is stored nowhere.
struct SavedPosition {
  int left = -100;
  int top = -100;
};
SavedPosition readSavedPosition(platform::Platform& platform, const std::string& leftKey,
                                const std::string& topKey);

// Puts the clocks at their saved places, pulled inside the screen, and draws them.
void ShowClocks(const ClockPair& needs);
// Parks the clocks and sets their sequencers to rest.
void HideClocks(const ClockPair& needs);
// Ends the keep-on-top hold-off, marks the clocks shown and starts each clock's sequencer unless
// it is already at work.
void MarkClocksShown(const ClockPair& needs);
// Draws both clocks with their current text at the configured size; the extended screen's clock
// is drawn larger by the configured amount.
void ApplyClockStyle(const ClockPair& needs);

}  // namespace horalix
