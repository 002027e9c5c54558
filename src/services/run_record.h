// The record of a stopped run: the clock's place and the run-end sound in the registry, the
// run's times in TimeData.db [clocksite] (set_time, use_time, out_time, pause_time, filename)
// and, with run recording on, one row of the table timesum in OfficeData.db.
#pragma once

#include <cstdint>
#include <string>

namespace horalix {

class Context;

// Called by the clock's count ticks when a run stops, with the clock's left and top (twips;
// 0 or below, a parked clock, are not stored) and the run-end sound's file name. Reads the run
// record from the main window's cells Label4(0) to Label4(4). Durations of a day or more are
// written with their full hours ("25:00:00"). Every failure is silent and loses only its own
// value; the timesum row is added only when the registry value Time_Record is not 0 and the
// database file exists.
void SaveTimeRecord(Context& context, std::int32_t left, std::int32_t top,
                    const std::string& music);

// Milliseconds of a run-record cell as a duration text, rounded to whole seconds (halves to
// the even second).
std::string runRecordSeconds(double milliseconds);

}  // namespace horalix
