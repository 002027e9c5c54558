// The store's public interface: the preset and statistics database in OfficeData.db (its tables,
// statements, field conversions and notices), the statistics export as comma-separated text, and
// the copy of a stored preset row into a settings record. Other folders include this header,
// never the files behind it.
#pragma once

#include "store/field_conversion.h"
#include "store/office_data.h"
#include "store/office_data_tables.h"
#include "store/preset_database.h"
#include "store/preset_row.h"
#include "store/statistics_csv.h"
