// Reading and resetting the run state: the typed record of the current run.
#pragma once

#include <string>

#include "platform/event_loop.h"
#include "services/run_state_record.h"

namespace horalix {

class MainWindow;
struct SettingsBlock;

// Resets the run record for a run that has not begun: the set duration, nothing banked, nothing
// paused, the start sound armed, no running totals and nothing shown, with the set duration of
// `settings`. Pending window messages of `loop` run once in the middle, and a tick that banked
// time meanwhile is wiped again after them.
void resetRunRecord(RunState& run, platform::EventLoop& loop, const SettingsBlock& settings);

// The same reset for a run that starts now with the set duration `setTime`, bound to
// `document`, which the record keeps. What a tick banks during the pending messages stays.
void startRunRecord(RunState& run, platform::EventLoop& loop, const std::string& setTime,
                    const std::string& document);

// The set duration of the settings as the run record holds it, "hh:mm:ss". A duration that is
// no time raises the conversion's error.
std::string recordSetTime(const SettingsBlock& settings);

// Records the run as paused or running and shows it on the main window's tray item, which offers
// the other: "继续" while paused, "暂停" while running.
void setPaused(RunState& run, MainWindow& mainWindow, bool paused);

}  // namespace horalix
