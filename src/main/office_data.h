// The program folder's OfficeData.db as the main window's commands open it.
#pragma once

#include "presets/presets.h"
#include "services/context.h"
#include "services/text_helpers.h"

namespace horalix {

inline PresetDatabase officeDataOf(Context& app) {
  return PresetDatabase(app.platform.database, app.platform.files, app.platform.messageBoxes,
                        app.programFolder(), GetDbPassword());
}

}  // namespace horalix
