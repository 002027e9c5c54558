// The presets subsystem's public interface: the statistics and preset windows, the preset
// database, and the statistics row of a stopped run. Other folders include this header, never the
// files behind it.
#pragma once

#include "presets/frm_data_sum.h"
#include "presets/frm_offtensetting.h"
#include "presets/preset_database.h"
#include "presets/run_record_row.h"
