// The main subsystem's public interface: the hidden main window with its tray menu, the start,
// pause and stop of a run, the pause state, the ends of a run and of a slide show, and what the
// subsystem works with. Other folders include this header, never the files behind it.
#pragma once

#include "main/end_of_run.h"
#include "main/main_needs.h"
#include "main/main_window.h"
#include "main/run_state.h"
#include "main/slide_show_end.h"
#include "main/timing_control.h"
