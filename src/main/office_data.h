// The program folder's OfficeData.db as the main window's commands open it.
#pragma once

#include "app/app.h"
#include "app/text_helpers.h"
#include "presets/preset_database.h"

namespace horalix {

inline presets::PresetDatabase OfficeDataOf(App& app) {
  return presets::PresetDatabase(app.platform.database, app.platform.files,
                                 app.platform.messageBoxes, app.programFolder(), GetDbPassword());
}

}  // namespace horalix
