// The statistics export: into a new workbook of the spreadsheet application through its
// automation interface when one is registered, else into a CSV file in the program folder that
// Notepad then opens.
#pragma once

#include <string>

#include "platform/automation.h"
#include "platform/platform.h"

namespace horalix {

// `SomeArray` is the export table: the heading row, then one row per run. A table without runs
// only tells the user there is nothing to export.
void export_to_excel(platform::Platform& platform, const std::string& sheetname,
                     const platform::AutomationTable& SomeArray);

}  // namespace horalix
