// The interaction subsystem's public interface: the interaction countdown window, its settings
// window, the commands that start and end a countdown and the stored interaction presets. Other
// folders include this header, never the files behind it.
#pragma once

#include "interaction/interaction_commands.h"
#include "interaction/interaction_needs.h"
#include "interaction/interaction_settings_window.h"
#include "interaction/interaction_window.h"
