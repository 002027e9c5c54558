// The bars subsystem's public interface: the prompt bars, the time-up prompt with its backdrop,
// and the effect windows (spotlight, moving backgrounds, the author window). Other folders
// include this header, never the files behind it.
#pragma once

#include "bars/bars_needs.h"
#include "bars/follow_spotlight.h"
#include "bars/online_help_window.h"
#include "bars/prompt_bar.h"
#include "bars/spotlight_dark_layer.h"
#include "bars/spotlight_menu.h"
#include "bars/spotlight_veil.h"
#include "bars/time_up_prompt.h"
