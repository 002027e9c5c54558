#include "settings/sound_file_boxes.h"

#include "services/file_import.h"
#include "settings/settings_needs.h"

namespace horalix {

namespace {

bool isSoundFileBox(int Index) { return (Index >= 0 && Index <= 4) || Index == 10; }

}  // namespace

void Text4_Click(SettingsNeeds& needs, platform::Form& settings, int Index) {
  if (!isSoundFileBox(Index)) return;
  platform::Control* box = settings.findControl("Text4", Index);
  if (box == nullptr) return;
  if (const auto name = importSoundFile(needs.platform)) box->setText(*name);
}

}  // namespace horalix
