// The program folder's OfficeData.db as the main window's commands open it.
#pragma once

#include "services/context.h"
#include "services/text_helpers.h"
#include "store/preset_database.h"

namespace horalix {

inline PresetDatabase officeDataOf(Context& context) {
  return PresetDatabase(context.platform.database, context.platform.files,
                        context.platform.messageBoxes, context.programFolder(), GetDbPassword());
}

}  // namespace horalix
