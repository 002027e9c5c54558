// Starting, pausing and stopping a manual run. None of these counts time: they set the run state
// and switch the clocks' count timers, whose ticks do the measuring.
#pragma once

namespace horalix {

struct MainNeeds;

// Starts a manual run unless one is going (the Start item is disabled while one is).
void StartTiming(MainNeeds& needs);
// Pauses the running count, or resumes a paused one, as the run state's pause says.
// Acts only while a run is bound and pausing is allowed.
void PauseResume(MainNeeds& needs);
// Stops the run: a paused run is resumed first so that its pause is recorded. The count ends at
// the clock's next tick, which finds the run unbound.
void StopTiming(MainNeeds& needs);
// Hands the program back to timing when a window that held it (the settings, the statistics)
// closes. Automatic timing lets the document watch bind the next run, which starts without the
// start sound. Manual timing gets a fresh run record and idle clocks, and with
// `unbindDocument` a run bound to a document is unbound (a manual one stays bound).
void resumeTiming(MainNeeds& needs, bool unbindDocument);

}  // namespace horalix
