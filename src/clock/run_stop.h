// Steps that the count ticks share when a run stops: at zero (stop and cycle) and at the end of
// the overtime.
#pragma once

#include "platform/log.h"
#include "services/run_state_record.h"

namespace horalix {

namespace platform {
class Form;
struct Platform;
}  // namespace platform
struct ClockNeeds;
struct ClockPair;
struct SettingsBlock;
class FloatingClock;
class RunControl;
class RunRecords;
class ToolWindows;

// What the stop of a run works with, from the recording of the run to the next round.
struct RunStop {
  platform::Platform& platform;
  const SettingsBlock& settings;
  RunState& run;
  RunControl& runControl;
  ToolWindows& toolWindows;
  RunRecords& runRecords;
  platform::Form& timeUpPrompt;
  ClockPair& clocks;
};

// The parts of the clocks' needs that a run's stop works with.
RunStop runStopOf(ClockNeeds& needs);

// Records the stopped run `record` with the clock's place and the run-end sound.
void recordRun(platform::Platform& platform, RunRecords& runRecords, const RunState::Record& record,
               FloatingClock& clock);

// Closes the tool windows a stopping run takes down (the statistics window first when asked),
// then the one open tool window the main window names.
void closeToolWindows(const platform::Log& log, ToolWindows& toolWindows, RunControl& runControl,
                      bool withStatistics);

// Shows the time-up prompt when it is switched on and has a text that is not all blanks. The
// calling tick waits until the prompt closes; every other timer keeps running meanwhile.
void showTimeUpPrompt(const platform::Log& log, const SettingsBlock& settings,
                      platform::Form& timeUpPrompt);

// Starts the next round of a cycling run: the next preset of the presets menu when timing is
// manual and preset cycling is chosen, otherwise the same timer again.
void startNextRound(platform::Platform& platform, const SettingsBlock& settings,
                    RunControl& runControl, FloatingClock& clock);

}  // namespace horalix
