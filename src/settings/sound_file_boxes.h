// The sound-name boxes of the settings window's reminder grid, Text4(0) to Text4(4) and
// Text4(10): clicking one imports a sound into the program's sounds folder.
#pragma once

#include "platform/platform.h"
#include "settings/settings_fields.h"

namespace horalix {

// Asks for a sound file and shows its bare name in the box once the file stands in the sounds
// folder; a cancelled dialog or a failed copy keeps the name the box had. Any other index, and a
// row without that box, does nothing.
void Text4_Click(platform::Platform& platform, const ControlRow& Text4, int Index);

}  // namespace horalix
