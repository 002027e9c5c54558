// The settings subsystem's public interface: the settings window. Other folders include this
// header, never the files behind it.
#pragma once

#include "settings/settings_window.h"
