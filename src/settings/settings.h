// The settings subsystem's public interface: the settings window and the codec between its
// controls and the settings record. Other folders include this header, never the files behind
// it.
#pragma once

#include "settings/settings_codec.h"
#include "settings/settings_window.h"
