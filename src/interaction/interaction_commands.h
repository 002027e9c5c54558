// The commands of the interaction timer, as the main window's menus call them: the preset items
// and the two commands of the "互动计时" submenu, and the items of the "互动" popup that the
// countdown window opens.
#pragma once

#include <cstdint>

#include "platform/platform.h"
#include "services/ports.h"
#include "services/run_state_record.h"

namespace horalix {

class InteractionWindow;

// Starts preset Index + 1 with the item's caption as its duration, unless a countdown is
// counting. A caption that is not minutes:seconds (each 0 to 59) is ignored and changes
// nothing.
void hd_time_one_Click(platform::Platform& platform, InteractionMenu& menu,
                       InteractionWindow& window, std::int16_t Index);

// The "互动" popup: 1 pause or continue, 2 close; any other index does nothing.
void Frmhudong_Click(InteractionWindow& window, std::int16_t Index);

// "扩展屏显示": moves a shown countdown between the primary and the extended screen.
void hd_time_show_Click(platform::Platform& platform, const RunState& run, InteractionMenu& menu,
                        InteractionWindow& window);

// "互动设置": closes the countdown and opens the interaction settings window in place of the
// open tool window.
void hd_time_set_Click(InteractionWindow& window, RunState& run, RunControl& runControl,
                       ToolWindows& toolWindows);

}  // namespace horalix
