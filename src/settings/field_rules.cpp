// The time page's field rules: number fields kept inside their ranges with their spin bars,
// rows of controls switched together, and the options that exclude one another.
#include <string>

#include "services/option_names.h"
#include "services/text_runtime.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

// A number field of the time page and its spin bar, which shows offset - value.
struct NumberField {
  int low, high, offset;
  const char* notice;
  const char* reset;
};

constexpr NumberField kFields[] = {
    {0, 100, 100, "取值范围0-100秒之间", "30"},      // Text2(0): extra second-screen size
    {0, 23, 23, "取值范围0-23之间", "0"},            // hours
    {0, 59, 59, "取值范围0-59之间", "0"},            // minutes
    {0, 59, 59, "取值范围0-59之间", "0"},            // seconds
    {1, 9999, 10000, "取值范围1-9999秒之间", "60"},  // alarm 1
    {1, 9999, 10000, "取值范围1-9999秒之间", "60"},  // alarm 2
    {1, 9999, 10000, "取值范围1-9999秒之间", "60"},  // alarm 3
    {0, 9999, 9999, "取值范围0-9999秒之间", "0"},    // overtime limit
};
constexpr int kFieldCount = static_cast<int>(std::size(kFields));

constexpr int kNoticeMs = 1000;

bool isDigitKey(int key) { return key == 13 || key == 8 || (key >= '0' && key <= '9'); }

}  // namespace

void SettingsWindow::Text2_KeyPress(int index, int& keyAscii) {
  (void)index;
  if (!isDigitKey(keyAscii)) keyAscii = 0;
}

void SettingsWindow::Text2_Change(int index) {
  platform::Control& field = fields_.Text2[index];
  if (field.Text().empty() || index < 0 || index >= kFieldCount) return;
  const NumberField& rule = kFields[index];
  // Text that is no number (pasted past the key filter) counts as outside the range.
  const bool number = IsNumeric(field.Text());
  const double value = number ? Val(field.Text()) : 0;
  if (!number || value < rule.low || value > rule.high) {
    notice(rule.notice, kNoticeMs);
    field.setText(rule.reset);
    field.setSelStart(Len(field.Text()));
  } else {
    field.setText(CStr(Int(value)));
  }
  VScrol1[index].setValue(rule.offset - static_cast<int>(Int(Val(field.Text()))));
}

void SettingsWindow::VScrol1_Change(int index) {
  if (index < 0 || index >= kFieldCount) return;
  fields_.Text2[index].setText(std::to_string(kFields[index].offset - VScrol1[index].Value()));
}

void SettingsWindow::Text4_KeyPress(int index, int& keyAscii) {
  if (index == 5 && !isDigitKey(keyAscii)) keyAscii = 0;
}

void SettingsWindow::Text4_LostFocus(int index) {
  if (index != 5) return;
  platform::Control& field = fields_.Text4[5];
  if (!IsNumeric(field.Text())) {
    field.setText("3");
    return;
  }
  const double value = Val(field.Text());
  if (value > 30 || value < 2) {
    notice("取值范围2-30之间，超选持续提醒", kNoticeMs);
    field.setText("3");
  }
}

bool SettingsWindow::RowEnabled(int index) {
  if (fields_.Check2[1].Value() == 0) return false;
  return index == 1 || fields_.Check2[index].Value() != 0;
}

void SettingsWindow::Check2_Click(int index) {
  if (index < 1 || index > 5) return;
  const auto switchRow = [this](int field, bool on) {
    fields_.Text2[field].setEnabled(on);
    VScrol1[field].setEnabled(on);
    Label1[field].setEnabled(on);
  };
  const bool on = RowEnabled(index);
  if (index == 1) {
    for (int field = 1; field <= 3; ++field) switchRow(field, on);
    const bool master = fields_.Check2[1].Value() == 1;
    for (int row = 2; row <= 4; ++row) fields_.Check2[row].setEnabled(master);
    fields_.Check2[5].setEnabled(
        !(fields_.Option4[1].Value() != 0 || fields_.Check2[1].Value() == 0));
    for (int row = 2; row <= 5; ++row) Check2_Click(row);
    return;
  }
  switchRow(index + 2, on);
  if (index == 4) fields_.Check2[6].setEnabled(on);
}

// An option button's rule is that of the option chosen: a button that code clears (a stored
// "0", another option of the group chosen) applies nothing.
bool SettingsWindow::optionChosen(const ControlRow& options, int index) {
  const platform::Control* option = options.find(index);
  return option != nullptr && option->Value() == 1;
}

void SettingsWindow::Option4_Click(int index) {
  if (!optionChosen(fields_.Option4, index)) return;
  for (int i = 0; i <= 2; ++i) fields_.Check5[i].setEnabled(true);
  platform::Control& overtime = fields_.Check2[5];
  const SettingsBlock& stored = needs_.settings;
  if (index == 1) {
    overtime.setValue(0);
    overtime.setEnabled(false);
    fields_.Text2[7].setText("0");
  } else if (index == 0 || index == 2) {
    if (index == 0) {
      overtime.setValue(0);
      overtime.setEnabled(false);
      fields_.Text2[7].setText(std::to_string(stored.time_end));
    }
    overtime.setValue(
        static_cast<int>(Val(optionChar(stored.checkvalue, CheckFlag::OvertimeLimit))));
    if (fields_.Check5[1].Value() == 0 && fields_.Check5[2].Value() == 0)
      fields_.Check5[0].setValue(1);
    if (fields_.Check2[1].Value() == 1) overtime.setEnabled(true);
    fields_.Text2[7].setText(std::to_string(stored.time_end));
  }
  Check2_Click(5);
}

void SettingsWindow::Check5_Click(int index) {
  if (index >= 0 && index <= 2 && fields_.Check5[index].Value() != 0) {
    for (int other = 0; other <= 2; ++other) {
      if (other != index) fields_.Check5[other].setValue(0);
    }
  }
  if (fields_.Check5[0].Value() == 0 && fields_.Check5[1].Value() == 0 &&
      fields_.Check5[2].Value() == 0) {
    fields_.Check5[0].setValue(1);
  }
}

void SettingsWindow::Option6_Click(int index) {
  const bool automatic = index == 1;
  if ((index != 0 && index != 1) || !optionChosen(fields_.Option6, index)) return;
  for (int kind = 0; kind <= 5; ++kind) fields_.Check6[kind].setEnabled(automatic);
  if (!automatic) fields_.Check1[0].setValue(0);
  fields_.Check1[0].setEnabled(automatic);
}

void SettingsWindow::Check6_Click(int index) {
  // The slide-show kind and the presentation-editing kind are never chosen together.
  if (index == 2 && fields_.Check6[2].Value() != 0) fields_.Check6[4].setValue(0);
  if (index == 4 && fields_.Check6[4].Value() != 0) fields_.Check6[2].setValue(0);
}

}  // namespace horalix
