// The statistics row of a stopped run, in OfficeData.db's table timesum.
#pragma once

namespace horalix {

class Context;

// Adds the run record of the main window's cells Label4(0) to Label4(4) as one timesum row:
// the set time as "hh:mm:ss", the three millisecond counts as whole-second durations, and the
// document name. A failure is logged; nothing else changes.
void addRunRecordRow(Context& context);

}  // namespace horalix
