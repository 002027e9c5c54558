// Reading and resetting the run state: the typed record of the current run.
#pragma once

#include <string>

#include "platform/forms.h"
#include "services/option_names.h"

namespace horalix {

struct MainNeeds;
struct SettingsBlock;

// Resets the run record for a run that has not begun: the set duration, nothing banked, nothing
// paused, the start sound armed, no running totals and nothing shown. Pending window messages run
// once in the middle, and a tick that banked time meanwhile is wiped again after them.
void resetRunRecord(MainNeeds& needs);

// The same reset for a run that starts now with the set duration `setTime`, bound to
// `document`, which the record keeps. What a tick banks during the pending messages stays.
void startRunRecord(MainNeeds& needs, const std::string& setTime, const std::string& document);

// The set duration of the settings as the run record holds it, "hh:mm:ss". A duration that is
// no time raises the conversion's error.
std::string recordSetTime(const SettingsBlock& settings);

// Records the run as paused or running and shows it on the tray item, which offers the other:
// "继续" while paused, "暂停" while running.
void setPaused(MainNeeds& needs, bool paused);

}  // namespace horalix
