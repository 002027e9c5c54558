// The colour list of the look controls: its last entry "自定义" opens the colour dialog, and the
// swatch beside the list shows the colour in force.
#include <cstdlib>

#include "services/palette.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

constexpr int kPaletteSize = 17;

}  // namespace

void SettingsWindow::Combo3_Click() {
  platform::Control& colours = fields_.Combo3;
  if (!colours.Enabled()) return;
  const int position = colours.ListIndex();
  if (position + 1 != static_cast<int>(colours.List().size())) {
    fields_.Label10.setBackColor(ColorByIndex(position));
    ColourChoice = position;
    return;
  }
  // Filled by code, "自定义" takes the stored colour, which the filler puts into the swatch.
  if (fillingFromCode()) {
    ColourChoice = position;
    return;
  }
  if (const auto picked = needs_.platform.dialogs.chooseColor(0)) {
    fields_.Label10.setBackColor(*picked);
    ColourChoice = static_cast<std::int32_t>(*picked);
    return;
  }
  // Cancelled: back to the position chosen before, or "自定义" again after a picked colour (the
  // swatch keeps showing it).
  const std::int64_t before = ColourChoice;
  colours.setListIndex(std::llabs(before) < kPaletteSize ? static_cast<int>(before) : position);
  ColourChoice = colours.ListIndex();
}

}  // namespace horalix
