// The record of a stopped run: the clock's place and the run-end sound in the registry, the
// run's times in TimeData.db [clocksite] (set_time, use_time, out_time, pause_time, filename)
// and, with run recording on, one row of the table timesum in OfficeData.db.
#pragma once

#include <cstdint>
#include <string>

#include "services/run_state_record.h"

namespace horalix {

class RunRecords;
namespace platform {
struct Platform;
}

// Called by the clock's count ticks when a run stops, with the run's record, the clock's left
// and top (twips; 0 or below, a parked clock, are not stored) and the run-end sound's file name.
// Durations of a day or more are
// written with their full hours ("25:00:00"). Every failure is silent and loses only its own
// value; the timesum row is added through `records` only when the registry value Time_Record is
// not 0 and the database file exists.
void SaveTimeRecord(platform::Platform& platform, RunRecords& records,
                    const RunState::Record& record, std::int32_t left, std::int32_t top,
                    const std::string& music);

// Milliseconds of the run record as a duration text, rounded to whole seconds (halves to
// the even second).
std::string runRecordSeconds(double milliseconds);

}  // namespace horalix
