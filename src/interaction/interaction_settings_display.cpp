// The shared display of the interaction presets in their settings window: the font, size and
// colour lists, and the colour list's own dialog for a colour of the user's.
#include <algorithm>
#include <cstdlib>

#include "interaction/interaction_needs.h"
#include "interaction/interaction_settings_window.h"
#include "services/look_lists.h"
#include "services/palette.h"
#include "services/program_folder.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

// The list entry for the program's own LCD font, stored under the font's face name.
constexpr const char* kLcdEntry = "LCD数码";
constexpr const char* kLcdFace = "DS-Digital";
constexpr const char* kDefaultFont = "Trebuchet MS";
constexpr const char* kDefaultSize = "200";
constexpr int kDefaultColourEntry = 4;
constexpr int kCustomColourEntry = 17;

}  // namespace

bool InteractionSettingsWindow::selectEntry(platform::Control& list, const std::string& text) {
  const auto& items = list.List();
  const auto found = std::find(items.begin(), items.end(), text);
  if (found == items.end()) return false;
  list.setListIndex(static_cast<int>(found - items.begin()));
  return true;
}

void InteractionSettingsWindow::fillLists() {
  Combo1.clear();
  for (const std::string& face : clockFontList(needs_.platform.files, needs_.platform.forms.fonts(),
                                               programFolder(needs_.platform))) {
    Combo1.addItem(face);
  }
  Combo2.clear();
  for (int size = 100; size <= 400; size += 10) Combo2.addItem(std::to_string(size));
  Combo3.clear();
  for (const char* name : kColourListNames) Combo3.addItem(name);
}

// A stored name, size or colour index that the lists do not offer shows the settings' default
// instead, so that an apply never stores an empty field. The LCD font's face name shows as its
// list entry again.
void InteractionSettingsWindow::showDisplaySelection(const std::string& fontselect,
                                                     const std::string& checkvalue) {
  std::string face = interactionFontPart(fontselect, InteractionFontField::Name);
  if (face == kLcdFace) face = kLcdEntry;
  if (!selectEntry(Combo1, face)) selectEntry(Combo1, kDefaultFont);
  const std::string size = CStr(static_cast<long long>(
      Fix(Val(interactionFontPart(fontselect, InteractionFontField::Size)))));
  if (!selectEntry(Combo2, size)) selectEntry(Combo2, kDefaultSize);
  const std::string indexText = interactionFontPart(fontselect, InteractionFontField::ColourIndex);
  int entry = IsNumeric(indexText) ? static_cast<int>(std::clamp(Fix(Val(indexText)), -1.0, 17.0))
                                   : kDefaultColourEntry;
  if (entry < 0) entry = kDefaultColourEntry;
  setColourEntryQuietly(entry);
  previousColour = entry;
  Check1[1].setBackColor(
      entry < kCustomColourEntry
          ? ColorByIndex(entry)
          : colourFromText(interactionFontPart(fontselect, InteractionFontField::Colour)));
  rowBox(0, InteractionFlag::ReminderBlink)
      .setValue(interactionFlagOn(checkvalue, InteractionFlag::ReminderBlink) ? 1 : 0);
}

void InteractionSettingsWindow::setColourEntryQuietly(int entry) {
  const bool enabled = Combo3.Enabled();
  Combo3.setEnabled(false);
  Combo3.setListIndex(entry);
  Combo3.setEnabled(enabled);
}

// Acts only while the list is enabled: the load and a cancelled dialog set the entry without
// asking for a colour.
void InteractionSettingsWindow::Combo3_Click() {
  if (!Combo3.Enabled()) return;
  const int entry = Combo3.ListIndex();
  if (entry < 0) return;
  if (entry < kCustomColourEntry) {
    Check1[1].setBackColor(ColorByIndex(entry));
    previousColour = entry;
    return;
  }
  if (const auto colour = needs_.platform.dialogs.chooseColor(0)) {
    Check1[1].setBackColor(*colour);
    previousColour = *colour;
    return;
  }
  if (std::llabs(previousColour) < kCustomColourEntry) {
    setColourEntryQuietly(static_cast<int>(previousColour));
  }
  previousColour = Combo3.ListIndex();
}

}  // namespace horalix
