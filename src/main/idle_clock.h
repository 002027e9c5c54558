// The clocks between runs: the idle clock shows the set time (or the time of day) in the
// chosen format and style, redrawn at every tick of the document watch.
#pragma once

#include <string>

namespace horalix {

struct MainNeeds;

// Parks prompt bars left running, shows the idle text on both clocks, applies the text colour,
// font size and back picture or colour of the settings record, and keeps the clocks on top.
// `setTime` is the stored set duration (a time value), which the idle clock shows.
void idleClockRefresh(MainNeeds& needs, double setTime);

// The idle text of the count view for the chosen display format (1 seconds, 2 minutes:seconds,
// 3 hours:minutes:seconds); zero in that form when the remaining time is not to be shown.
// Format 1 shows the length of the last run start in seconds.
std::string idleCountText(int displayFormat, bool showRemaining, double setTime,
                          int lastRunSeconds);

}  // namespace horalix
