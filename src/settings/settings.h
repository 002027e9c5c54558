// The settings subsystem's public interface: the settings window, the codec between its
// controls and the settings record, and the checks made before its times and hot keys are
// stored. Other folders include this header, never the files behind it.
#pragma once

#include "settings/settings_needs.h"
#include "settings/settings_window.h"
#include "settings/stage_checks.h"

namespace horalix {

// Sets the controls a named preset sets from the record: all but the timing mode, the document
// kinds and the picture size, which the window keeps when a preset is applied to it. Setting
// them runs their handlers, as a user's change does.
void decodePresetSettings(const SettingsFields& fields, const SettingsBlock& settings);
// The record as the controls stand: every value is overwritten; `secondtimer` becomes "" and
// `time_left` 0. A number field whose text is no number (or a number too large for its value)
// gives the value of `unreadable` instead; the set duration needs all three of its fields.
SettingsBlock encodeSettings(const SettingsFields& fields, const SettingsBlock& unreadable = {});

}  // namespace horalix
