// Copying a stored preset row (columns by position, as OfficeData.db keeps them) into the
// settings record. The presets menu and a document's own preset share this copy.
#pragma once

#include <vector>

#include "platform/database.h"
#include "services/settings_block.h"

namespace horalix {

// Both copies convert each column the same way: the set duration as a time of day, whole
// numbers by the number their text begins with, texts as they are; an empty (NULL) field
// cannot be converted. They differ in what a field that fails does.
enum class PresetCopy {
  // The presets menu: a field that cannot be converted fails the whole copy and the record is
  // left as it was; time_left becomes 0 and the picture size is not the preset's to set.
  Menu,
  // A document's preset: a field that cannot be converted leaves its value as it was and the
  // others are still copied; time_left and the picture size come from the row.
  Document,
};

// Copies the row into the record; secondtimer becomes "", AImode is left alone (it always comes
// from the registry). Returns whether every field was copied.
bool copyPresetRow(const std::vector<platform::DbValue>& row, SettingsBlock& record,
                   PresetCopy copy);

}  // namespace horalix
