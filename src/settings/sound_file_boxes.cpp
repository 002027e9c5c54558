#include "settings/sound_file_boxes.h"

#include "services/file_import.h"

namespace horalix {

namespace {

bool isSoundFileBox(int Index) { return (Index >= 0 && Index <= 4) || Index == 10; }

}  // namespace

void Text4_Click(platform::Platform& platform, const ControlRow& Text4, int Index) {
  if (!isSoundFileBox(Index)) return;
  platform::Control* box = Text4.find(Index);
  if (box == nullptr) return;
  if (const auto name = importSoundFile(platform)) box->setText(*name);
}

}  // namespace horalix
