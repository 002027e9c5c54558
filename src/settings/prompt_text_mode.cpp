// Prompt-text mode: one set of look controls serves the clock's time text and, while the mode
// box "提示文本调整" is ticked, the prompt bars' text. Switching reloads the controls from the side
// the mode names and then puts the scroll bars of the second screen on that side's window.
#include <algorithm>

#include "bars/bars.h"
#include "services/option_names.h"
#include "services/palette.h"
#include "services/text_runtime.h"
#include "settings/settings_codec.h"
#include "settings/settings_needs.h"
#include "settings/settings_window.h"

namespace horalix {

namespace {

constexpr int kCustomColour = 17;  // the colour list's entry "自定义"
constexpr int kBarParkGap = 5000;

// A stored number, kept as a 16-bit integer.
int storedNumber(const std::string& text) { return CInt(std::clamp(Val(text), -32768.0, 32767.0)); }

}  // namespace

void SettingsWindow::Check8_Click(int index) {
  if (index != 0) return;
  if (fields_.Check8[0].Value() == 1) {
    loadPromptLook();
  } else {
    reloadClockLook();
  }
  placeForMode();
}

// The prompt bars' look from TimeData.db [Hotkey]. Each control set runs its own handler as a
// user's change would: a colour position of "自定义" opens the colour dialog, a transparent
// background hides the custom-background controls.
void SettingsWindow::loadPromptLook() {
  const std::string font = readHotkey("processFont", "Trebuchet ms");
  const int size = storedNumber(readHotkey("processFontSize", "7"));
  const int colour = storedNumber(readHotkey("processColor", "0"));
  const int transparent = storedNumber(readHotkey("processvalue", "0"));
  const std::uint32_t back = colourFromText(readHotkey("processBackColor", "-2147483635"));
  const int add = storedNumber(readHotkey("processadd", "0"));

  if (!fields_.Combo1.setText(font)) fields_.Combo1.setText("Trebuchet MS");
  fields_.Combo2.setListIndex(size);
  platform::Control& colours = fields_.Combo3;
  const bool sameColour = colours.ListIndex() == colour;
  colours.setListIndex(colour);
  // The list stood at "自定义" already, so no dialog chose the colour: the swatch shows the bars'
  // own, or a prompt-mode apply would store the clock's colour as theirs.
  if (sameColour && colour == kCustomColour) {
    fields_.Label10.setBackColor(colourFromText(readHotkey("processForeset", "0")));
  }
  fields_.Check1[5].setValue(transparent);
  fields_.Text1[5].setText("");
  fields_.Text1[5].setBackColor(back);
  fields_.Text2[0].setText(std::to_string(add));
  Command3[1].setEnabled(false);
}

// Back to the clock's look, all of it from the settings record, so that a normal apply never
// stores the prompt bars' font, colour or transparency as the clock's.
void SettingsWindow::reloadClockLook() {
  const SettingsBlock& s = needs_.settings;
  {
    const FillFromCode filling(*this);
    // The colour before the transparency, whose notice concerns the clock's own colour; the
    // transparency before the picture name, which its handler empties.
    decodeClockText(fields_, s);
    ColourChoice = fields_.Combo3.ListIndex();
    const std::string flag = optionChar(s.checkvalue, CheckFlag::TransparentBack);
    if (flag == "0" || flag == "1") fields_.Check1[5].setValue(flag == "1" ? 1 : 0);
    decodeClockBackground(fields_, s);
  }
  fields_.Text2[0].setText(CStr(Val(readHotkey("add", "0"))));
  Command3[1].setEnabled(true);
  needs_.secondPromptBar.park(kBarParkGap);
}

}  // namespace horalix
