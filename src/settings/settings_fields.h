// The rows of the settings window's design that stand for stored values: the number and text
// fields, the check boxes and option buttons of the option strings, the look lists and the
// swatch. The window binds them once, when it is built; the codec, the lists, the checks before
// storing and the preset manager reach its controls through them, never by a name.
#pragma once

#include "platform/control_row.h"
#include "platform/forms.h"

namespace horalix {

using platform::ControlRow;

// A form built from the settings window's design (settingsDesign()), bound row by row. Like a
// view, a const binding still reaches the controls themselves: setting one runs its handlers.
struct SettingsFields {
  explicit SettingsFields(const platform::Form::Binding& design);

  // Text1(5) background picture, (18) and (19) its size; Text2(0) extra font size of the second
  // screen, (1..7) duration, alarms and overtime; Text3(1..6) hot keys; Text4 the reminder grid.
  ControlRow Text1, Text2, Text3, Text4;
  ControlRow Check1, Check2, Check3, Check4, Check5, Check6, Check8, Check9, Check11;
  platform::Control& Check7;
  ControlRow Option1, Option2, Option4, Option6;
  platform::Control &Combo1, &Combo2, &Combo3, &Combo4, &Combo5, &Combo6, &Combo7;
  // The colour swatch beside the colour list.
  platform::Control& Label10;
  platform::Control &HScroll1, &VScroll1, &HScroll2;
};

}  // namespace horalix
