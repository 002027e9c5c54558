#include "services/run_record.h"

#include <vector>

#include "platform/platform.h"
#include "services/attempt.h"
#include "services/format_picture.h"
#include "services/ports.h"
#include "services/program_ini.h"
#include "services/program_values.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "services/time_conversions.h"

namespace horalix {

std::string runRecordSeconds(double milliseconds) {
  return durationText(CLng(milliseconds / 1000));
}

namespace {

// Writes the clock's place and the sound name, and reads whether runs are recorded: all through
// the scripting shell, and when any of it failed all again through the registry functions.
std::int16_t storeAndReadTimeRecord(platform::Platform& platform, std::int32_t left,
                                    std::int32_t top, const std::string& music) {
  std::vector<NamedValue> writes;
  if (left > 0) writes.push_back({"clockleft", left, platform::regtype::Dword});
  if (top > 0) writes.push_back({"clocktop", top, platform::regtype::Dword});
  writes.push_back({"musicname", music, platform::regtype::Sz});

  std::int16_t timeRecord = 0;
  const ReadSlot recording = ReadSlot::int16("Time_Record", timeRecord);
  ValueStore values = programValues(platform);
  bool failed = false;
  for (const NamedValue& value : writes) failed = !values.shellWrite(value) || failed;
  const auto read = values.shellRead("Time_Record");
  failed = !(read && recording.fromShell(*read)) || failed;
  if (failed) {
    for (const NamedValue& value : writes) values.registryWrite(value);
    timeRecord = 0;
    recording.fromRegistry(values.registryRead("Time_Record"));
  }
  return timeRecord;
}

}  // namespace

void SaveTimeRecord(platform::Platform& platform, RunRecords& records,
                    const RunState::Record& record, std::int32_t left, std::int32_t top,
                    const std::string& music) {
  auto writeKey = [&](const char* key, auto value) {
    attempt(platform.log, "run record",
            [&] { writeProgramIni(platform, "clocksite", key, value()); });
  };
  if (left > 0) writeKey("clockleft", [&] { return std::to_string(left); });
  if (top > 0) writeKey("clocktop", [&] { return std::to_string(top); });

  std::int16_t timeRecord = 0;
  attempt(platform.log, "run record",
          [&] { timeRecord = storeAndReadTimeRecord(platform, left, top, music); });

  writeKey("set_time", [&] { return record.setTime; });
  // The used time is rounded up from half a second.
  writeKey("use_time", [&] { return runRecordSeconds(record.bankedDownMs + 500); });
  writeKey("out_time", [&] { return runRecordSeconds(record.bankedUpMs); });
  writeKey("pause_time", [&] { return runRecordSeconds(record.pausedMs); });
  writeKey("filename", [&] { return record.document; });

  if (timeRecord == 0) return;
  attempt(platform.log, "run record row", [&] { records.addRow(record); });
}

}  // namespace horalix
