// The rows of the interaction settings window: the row switch, "全选" / "全不选", and the number
// fields that take only whole numbers from 0 to 59.
#include <cmath>

#include "interaction/interaction_needs.h"
#include "interaction/interaction_settings_window.h"
#include "services/text_runtime.h"

namespace horalix {

// A row's switch ("倒计时时长") enables the rest of its row exactly while it is ticked; every other
// check box does nothing when clicked.
void InteractionSettingsWindow::Check1_Click(int Index) {
  if (Index < 0 || Index >= 4 * kPresets || Index % 4 != 0) return;
  const int k = Index / 4;
  const bool on = Check1[Index].Value() == 1;
  for (InteractionFlag flag :
       {InteractionFlag::AutoStart, InteractionFlag::ReminderSound, InteractionFlag::FourthBox}) {
    rowBox(k, flag).setEnabled(on);
  }
  for (RowField field :
       {RowField::Minutes, RowField::Seconds, RowField::ReminderSeconds, RowField::Sound}) {
    rowText(k, field).setEnabled(on);
  }
  Command1[k].setEnabled(on);
}

// Either way every preset starts by itself when chosen: the automatic-countdown boxes end ticked.
// An option button cleared from code does nothing.
void InteractionSettingsWindow::Option1_Click(int Index) {
  if (Option1[Index].Value() != 1) return;
  const int value = Index == 0 ? 1 : 0;
  for (int i = 0; i <= kFlashBox; ++i) Check1[i].setValue(value);
  for (int k = 0; k < kPresets; ++k) rowBox(k, InteractionFlag::AutoStart).setValue(1);
}

// Minutes, seconds and reminder seconds: text that is no number becomes "0", a number outside
// 0 to 59 is refused with a message and becomes "0", any other is rewritten as its whole part.
// The sound fields take any text.
void InteractionSettingsWindow::Text1_Change(int Index) {
  if (Index < 0 || Index >= 4 * kPresets || Index % 4 == static_cast<int>(RowField::Sound)) return;
  platform::Control& box = Text1[Index];
  if (!IsNumeric(box.Text())) {
    box.setText("0");
    return;
  }
  const double number = Val(box.Text());
  if (number > 59 || number < 0) {
    needs_.platform.messageBoxes.show("取值范围0-59之间", "Horalix", platform::mb::Ok);
    box.setText("0");
    return;
  }
  box.setText(CStr(static_cast<long long>(std::fabs(Fix(number)))));
}

}  // namespace horalix
