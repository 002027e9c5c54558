// The hot-key boxes Text3(1..6): a key pressed in a box becomes its hot-key text; keys without a
// name, modifiers alone and the reserved Ctrl+Alt+digit keys end as "无"; equal hot keys in two
// boxes are pointed out but left as they are.
#include "services/text_runtime.h"
#include "settings/hot_key_names.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

constexpr const char* kNone = "无";
constexpr int kFirstBox = 1, kLastBox = 6;
constexpr int kDuplicateNoticeMs = 800;

}  // namespace

void SettingsWindow::Text3_KeyDown(int index, int keyCode, int shift) {
  platform::Control& box = fields_.Text3[index];
  box.setText("");
  box.setText(captureModifierPrefix(shift) + captureKeyName(keyCode));
  box.setSelStart(Len(box.Text()));
}

void SettingsWindow::Text3_KeyUp(int index, int keyCode, int shift) {
  (void)keyCode;
  (void)shift;
  platform::Control& box = fields_.Text3[index];
  if (Right(box.Text(), 1) == "+") box.setText(kNone);
  if (box.Text().empty()) box.setText(kNone);
  box.setSelStart(Len(box.Text()));
}

void SettingsWindow::Text3_Change(int index) {
  platform::Control& box = fields_.Text3[index];
  // Ctrl+Alt with a digit is kept for other programs: it cannot be captured.
  for (char digit = '1'; digit <= '9'; ++digit) {
    if (box.Text() == std::string("Ctrl+Alt+") + digit) box.setText(kNone);
  }
  if (box.Text() == kNone) return;
  for (int a = kFirstBox; a < kLastBox; ++a) {
    const std::string& first = fields_.Text3[a].Text();
    if (first == kNone) continue;
    for (int b = a + 1; b <= kLastBox; ++b) {
      if (fields_.Text3[b].Text() == first) {
        notice("热键设置不能相同", kDuplicateNoticeMs);
        return;
      }
    }
  }
}

}  // namespace horalix
