// The clock's background in the settings window: a picture from the program's picture folder,
// named in Text1(5) with its size in Text1(18) and Text1(19), or a plain colour shown as the
// empty box's own back colour.
#include "services/file_import.h"
#include "services/picture_size.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

constexpr std::uint32_t kWindowBackground = 0x80000005;  // system colour of window backgrounds

}  // namespace

// ".." beside the box: a picture is imported into the picture folder; a picture replaces the
// colour. A cancelled dialog or a failed copy leaves the box as it was.
void SettingsWindow::Command3_Click(int index) {
  if (index != 1) return;
  const auto name = importPictureFile(needs_.platform);
  if (!name) return;
  platform::Control& box = fields_.Text1[5];
  box.setText(*name);
  box.setBackColor(kWindowBackground);
  // A name of three characters or fewer is no picture file: the sizes stay.
  if (Len(*name) <= 3) return;
  const PictureDimensions size =
      PictureSize(needs_.platform.files, pathInProgramFolder(needs_.platform, "picture\\" + *name));
  fields_.Text1[18].setText(std::to_string(size.width));
  fields_.Text1[19].setText(std::to_string(size.height));
}

// A click on the box chooses a colour instead of a picture; cancelling keeps both.
void SettingsWindow::Text1_Click(int index) {
  if (index != 5) return;
  const auto colour = needs_.platform.dialogs.chooseColor(0);
  if (!colour) return;
  platform::Control& box = fields_.Text1[5];
  box.setText("");
  box.setBackColor(*colour);
}

}  // namespace horalix
