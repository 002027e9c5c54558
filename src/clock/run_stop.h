// Steps that the count ticks share when a run stops: at zero (stop and cycle) and at the end of
// the overtime.
#pragma once

namespace horalix {

struct ClockNeeds;
class FloatingClock;

// Records the stopped run with the clock's place and the run-end sound.
void recordRun(ClockNeeds& needs, FloatingClock& clock);

// Closes the tool windows a stopping run takes down (the statistics window first when asked),
// then the one open tool window the main window names.
void closeToolWindows(ClockNeeds& needs, bool withStatistics);

// Shows the time-up prompt when it is switched on and has a text that is not all blanks. The
// calling tick waits until the prompt closes; every other timer keeps running meanwhile.
void showTimeUpPrompt(ClockNeeds& needs);

// Starts the next round of a cycling run: the next preset of the presets menu when timing is
// manual and preset cycling is chosen, otherwise the same timer again.
void startNextRound(ClockNeeds& needs, FloatingClock& clock);

}  // namespace horalix
