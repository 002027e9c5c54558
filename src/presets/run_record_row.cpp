#include "presets/run_record_row.h"

#include "services/context.h"
#include "services/format_picture.h"
#include "services/run_record.h"
#include "services/text_helpers.h"
#include "services/text_runtime.h"
#include "store/store.h"

namespace horalix {

void addRunRecordRow(Context& context) {
  platform::Form& exit = context.runStateWindow();
  auto cell = [&](int index) { return exit.control("Label4", index).Caption(); };
  RunRecord row;
  row.set_time = Format(std::string_view(cell(0)), "hh:mm:ss");
  row.use_time = runRecordSeconds(Val(cell(1)));
  row.out_time = runRecordSeconds(Val(cell(2)));
  row.pause_time = runRecordSeconds(Val(cell(3)));
  row.filename = cell(4);
  PresetDatabase officeData(context.platform.database, context.platform.files,
                            context.platform.messageBoxes, context.programFolder(),
                            GetDbPassword());
  if (officeData.addRunRecord(row) == DbOutcome::Failed) {
    context.platform.log("run record row: " + officeData.lastError());
  }
}

}  // namespace horalix
