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

SettingsLayout::SettingsLayout(const platform::Form::Binding& design)
    : Image2(design, "Image2"),
      Image3(design, "Image3"),
      Label1(design, "Label1"),
      Label12(design, "Label12"),
      Shape1(design, "Shape1"),
      Shape2(design, "Shape2"),
      Shape3(design, "Shape3"),
      Shape4(design, "Shape4"),
      VScrol1(design, "VScrol1"),
      Text6(design, "Text6"),
      Command3(design, "Command3"),
      Frame1(bindControl(design, "Frame1")),
      Picture6(bindControl(design, "Picture6")),
      Picture7(bindControl(design, "Picture7")),
      Picture8(bindControl(design, "Picture8")),
      Picture10(bindControl(design, "Picture10")),
      Picture11(bindControl(design, "Picture11")),
      Picture12(bindControl(design, "Picture12")),
      Picture13(bindControl(design, "Picture13")),
      Combo9(bindControl(design, "Combo9")),
      Command5(bindControl(design, "Command5")),
      Lab_help(bindControl(design, "Lab_help")),
      Image1(bindControl(design, "Image1")),
      Label30(bindControl(design, "Label30")),
      Label5(bindControl(design, "Label5")) {}

}  // namespace horalix
