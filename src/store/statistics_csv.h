// The statistics export as a comma-separated text file, for systems without a spreadsheet
// application: one line per table row, the heading row first.
#pragma once

#include <string>

#include "platform/automation.h"
#include "platform/files.h"

namespace horalix {

// The table as CSV text: cells separated by ",", each line ended by CR LF, and one more CR LF
// after the last row. A cell holding a comma, a double quote or a line break is put between
// double quotes with its quotes doubled, so that a document name such as "a,b.ppt" stays one
// column for any CSV reader.
std::string csvText(const platform::AutomationTable& table);

// Writes the CSV text to the file, created or replaced: in the system's ANSI code page when
// every character of the table fits it, else as UTF-8 behind a byte-order mark, so that a
// document name in any script keeps its characters. Empty when written, else the error's
// description.
std::string ListviewToCSV(platform::FileSystem& files, const platform::AutomationTable& SomeArray,
                          const std::string& sFile);

}  // namespace horalix
