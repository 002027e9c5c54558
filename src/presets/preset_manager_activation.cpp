// Which of the preset manager's lists is active: the one clicked last, until a tab switch.
#include "presets/preset_manager.h"

namespace horalix {

void PresetManager::List1_Click() {
  if (active == ActiveList::Links) deselectIfCurrentWithin(linkRows);
  active = ActiveList::Presets;
  currentRow_ = List1.ListIndex();
}

void PresetManager::List2_Click() {
  if (active == ActiveList::Presets) deselectIfCurrentWithin(presetRows);
  active = ActiveList::Links;
  currentRow_ = List2.ListIndex();
}

// No current row counts as row 0.
void PresetManager::deselectIfCurrentWithin(ManagerList& list) {
  if (currentRow_.value_or(0) + 1 <= list.count()) deselectAll(list);
}

}  // namespace horalix
