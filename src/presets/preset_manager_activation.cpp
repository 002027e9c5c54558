// Which of the preset manager's lists is active: the one clicked last, until a tab switch.
#include <cstdlib>

#include "presets/preset_manager.h"

namespace horalix {

void PresetManager::List1_Click() {
  if (active == ActiveList::Links && std::atoi(Label7.Caption().c_str()) + 1 <= linkRows.count()) {
    deselectAll(linkRows);
  }
  active = ActiveList::Presets;
  Label7.setCaption(std::to_string(List1.ListIndex()));
}

void PresetManager::List2_Click() {
  if (active == ActiveList::Presets &&
      std::atoi(Label7.Caption().c_str()) + 1 <= presetRows.count()) {
    deselectAll(presetRows);
  }
  active = ActiveList::Links;
  Label7.setCaption(std::to_string(List2.ListIndex()));
}

}  // namespace horalix
