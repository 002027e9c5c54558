// The statistics row of a stopped run, in OfficeData.db's table timesum.
#pragma once

#include "services/run_state_record.h"

namespace horalix {

namespace platform {
struct Platform;
}  // namespace platform

// Adds the run record as one timesum row:
// the set time as "hh:mm:ss", the three millisecond counts as whole-second durations, and the
// document name. A failure is logged; nothing else changes.
void addRunRecordRow(platform::Platform& platform, const RunState::Record& record);

}  // namespace horalix
