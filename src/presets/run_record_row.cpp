#include "presets/run_record_row.h"

#include "platform/platform.h"
#include "services/format_picture.h"
#include "services/program_folder.h"
#include "services/run_record.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "store/store.h"

namespace horalix {

void addRunRecordRow(platform::Platform& platform, const RunState::Record& record) {
  RunRecord row;
  row.set_time = Format(std::string_view(record.setTime), "hh:mm:ss");
  row.use_time = runRecordSeconds(record.bankedDownMs);
  row.out_time = runRecordSeconds(record.bankedUpMs);
  row.pause_time = runRecordSeconds(record.pausedMs);
  row.filename = record.document;
  PresetDatabase officeData(platform.database, platform.files, platform.messageBoxes,
                            programFolder(platform), GetDbPassword());
  if (officeData.addRunRecord(row) == DbOutcome::Failed) {
    platform.log("run record row: " + officeData.lastError());
  }
}

}  // namespace horalix
