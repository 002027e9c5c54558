// The presets subsystem's public interface: the statistics and preset windows, and the statistics
// row of a stopped run. Other folders include this header, never the files behind it.
#pragma once

#include "presets/preset_manager.h"
#include "presets/presets_needs.h"
#include "presets/run_record_row.h"
#include "presets/statistics_window.h"
