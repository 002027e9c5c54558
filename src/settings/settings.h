// The settings subsystem's public interface: the settings window, the codec between its
// controls and the settings record, and the checks made before its times and hot keys are
// stored. Other folders include this header, never the files behind it.
#pragma once

#include "settings/settings_codec.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"
#include "settings/stage_checks.h"
