// The entry fields of both pages: the entry buttons are enabled only with the fields they need,
// the number fields hold whole numbers of 0 or more, and Enter moves on to the next field.
#include <cmath>

#include "presets/preset_manager.h"
#include "services/text_runtime.h"

namespace horalix {

namespace {

constexpr int kEnter = 13;

// A number field left with something else than a number of 0 or more holds the next number;
// a fraction is cut off.
void keepWholeNumber(platform::Control& field, int rowCount) {
  const std::string& text = field.Text();
  if (!IsNumeric(text) || Val(text) < 0) field.setText(std::to_string(rowCount + 1));
  field.setText(CStr(std::trunc(Val(field.Text()))));
}

}  // namespace

void PresetManager::Text1_Change(int) { Cmd_save.setEnabled(!Text1[1].Text().empty()); }

void PresetManager::Text2_Change(int index) {
  if (index != 1 && index != 2) return;
  Command1[0].setEnabled(!Text2[1].Text().empty() && !Text2[2].Text().empty());
}

void PresetManager::Text1_LostFocus(int index) {
  if (index == 0) keepWholeNumber(Text1[0], presetRows.count());
}

void PresetManager::Text2_LostFocus(int index) {
  if (index == 0) keepWholeNumber(Text2[0], linkRows.count());
}

void PresetManager::Text1_KeyPress(int index, int& KeyAscii) {
  if (KeyAscii != kEnter) return;
  KeyAscii = 0;
  if (index == 0) Text1[1].SetFocus();
  if (index == 1) Text1[3].SetFocus();
  if (index == 3) Cmd_save.SetFocus();
}

void PresetManager::Text2_KeyPress(int index, int& KeyAscii) {
  if (KeyAscii != kEnter) return;
  KeyAscii = 0;
  if (index == 0) Text2[1].SetFocus();
  if (index == 1) Text2[3].SetFocus();
  if (index == 3) Command1[0].SetFocus();
}

// The preset of a link is chosen by a double click on the preset list, not typed.
void PresetManager::Text2_MouseDown(int index) {
  if (index == 2) notice("请双击下表的时钟名称进行录入", 2000, "录入提示");
}

}  // namespace horalix
