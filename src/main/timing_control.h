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

}  // namespace horalix
