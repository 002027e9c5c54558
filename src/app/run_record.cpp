#include "app/run_record.h"

#include <vector>

#include "app/app.h"
#include "app/attempt.h"
#include "app/format_picture.h"
#include "app/ini_read_write.h"
#include "app/program_values.h"
#include "app/text_helpers.h"
#include "app/text_runtime.h"
#include "app/time_conversions.h"
#include "main/frm_exit.h"
#include "presets/preset_database.h"

namespace horalix {

namespace {

// Milliseconds of a run-record cell as a duration text, rounded to whole seconds (halves to
// the even second).
std::string secondsText(double milliseconds) { return DurationText(CLng(milliseconds / 1000)); }

// Writes the clock's place and the sound name, and reads whether runs are recorded: all through
// the scripting shell, and when any of it failed all again through the registry functions.
std::int16_t storeAndReadTimeRecord(App& app, std::int32_t left, std::int32_t top,
                                    const std::string& music) {
  std::vector<NamedValue> writes;
  if (left > 0) writes.push_back({"clockleft", left, platform::regtype::Dword});
  if (top > 0) writes.push_back({"clocktop", top, platform::regtype::Dword});
  writes.push_back({"musicname", music, platform::regtype::Sz});

  std::int16_t timeRecord = 0;
  const ReadSlot recording = ReadSlot::int16("Time_Record", timeRecord);
  ValueStore values = ProgramValues(app);
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

void addRunRow(App& app) {
  FrmExit& exit = app.frmExit();
  presets::RunRecord row;
  row.set_time = Format(std::string_view(exit.Label4(0).Caption()), "hh:mm:ss");
  row.use_time = secondsText(Val(exit.Label4(1).Caption()));
  row.out_time = secondsText(Val(exit.Label4(2).Caption()));
  row.pause_time = secondsText(Val(exit.Label4(3).Caption()));
  row.filename = exit.Label4(4).Caption();
  presets::PresetDatabase officeData(app.platform.database, app.platform.files,
                                     app.platform.messageBoxes, app.programFolder(),
                                     GetDbPassword());
  if (officeData.addRunRecord(row) == presets::DbOutcome::Failed) {
    app.platform.log("run record row: " + officeData.lastError());
  }
}

}  // namespace

void SaveTimeRecord(App& app, std::int32_t left, std::int32_t top, const std::string& music) {
  const std::string ini = app.iniPath();
  auto writeKey = [&](const char* key, auto value) {
    Attempt(app, "run record",
            [&] { IniReadWrite(app.platform.files, "write", ini, "clocksite", key, value()); });
  };
  if (left > 0) writeKey("clockleft", [&] { return std::to_string(left); });
  if (top > 0) writeKey("clocktop", [&] { return std::to_string(top); });

  std::int16_t timeRecord = 0;
  Attempt(app, "run record", [&] { timeRecord = storeAndReadTimeRecord(app, left, top, music); });

  FrmExit& exit = app.frmExit();
  writeKey("set_time", [&] { return exit.Label4(0).Caption(); });
  // The used time is rounded up from half a second; a cell that is no number fails here.
  writeKey("use_time", [&] { return secondsText(CDbl(exit.Label4(1).Caption()) + 500); });
  writeKey("out_time", [&] { return secondsText(Val(exit.Label4(2).Caption())); });
  writeKey("pause_time", [&] { return secondsText(Val(exit.Label4(3).Caption())); });
  writeKey("filename", [&] { return exit.Label4(4).Caption(); });

  if (timeRecord == 0) return;
  Attempt(app, "run record row", [&] { addRunRow(app); });
}

}  // namespace horalix
