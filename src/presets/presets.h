// The presets subsystem's public interface: the statistics window and the preset manager, built
// here and held by the program as forms, and the statistics row of a stopped run. Other folders
// include this header, never the files behind it.
#pragma once

#include "platform/owned_form.h"
#include "presets/presets_needs.h"
#include "presets/run_record_row.h"

namespace horalix {

class StatisticsWindow;
class PresetManager;

platform::OwnedForm<StatisticsWindow> makeStatisticsWindow(PresetsNeeds& needs);
platform::OwnedForm<PresetManager> makePresetManager(PresetsNeeds& needs);

}  // namespace horalix
