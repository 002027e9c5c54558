// The program folder's OfficeData.db as the main window's commands open it.
#pragma once

#include "platform/platform.h"
#include "services/program_folder.h"
#include "services/text_helpers.h"
#include "store/preset_database.h"

namespace horalix {

inline PresetDatabase officeDataOf(platform::Platform& platform) {
  return PresetDatabase(platform.database, platform.files, platform.messageBoxes,
                        programFolder(platform), GetDbPassword());
}

}  // namespace horalix
