#include "settings/settings_fields.h"

namespace horalix {

using platform::bindControl;

SettingsFields::SettingsFields(const platform::Form::Binding& design)
    : Text1(design, "Text1"),
      Text2(design, "Text2"),
      Text3(design, "Text3"),
      Text4(design, "Text4"),
      Check1(design, "Check1"),
      Check2(design, "Check2"),
      Check3(design, "Check3"),
      Check4(design, "Check4"),
      Check5(design, "Check5"),
      Check6(design, "Check6"),
      Check8(design, "Check8"),
      Check9(design, "Check9"),
      Check11(design, "Check11"),
      Check7(bindControl(design, "Check7")),
      Option1(design, "Option1"),
      Option2(design, "Option2"),
      Option4(design, "Option4"),
      Option6(design, "Option6"),
      Combo1(bindControl(design, "Combo1")),
      Combo2(bindControl(design, "Combo2")),
      Combo3(bindControl(design, "Combo3")),
      Combo4(bindControl(design, "Combo4")),
      Combo5(bindControl(design, "Combo5")),
      Combo6(bindControl(design, "Combo6")),
      Combo7(bindControl(design, "Combo7")),
      Label10(bindControl(design, "Label10")),
      HScroll1(bindControl(design, "HScroll1")),
      VScroll1(bindControl(design, "VScroll1")),
      HScroll2(bindControl(design, "HScroll2")) {}

}  // namespace horalix
