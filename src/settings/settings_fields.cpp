#include "settings/settings_fields.h"

#include <stdexcept>

namespace horalix {

ControlRow::ControlRow(platform::Form& form, std::string_view name) : name_(name) {
  for (const auto& owned : form.controls()) {
    if (owned->name() != name || owned->index() < 0) continue;
    const auto at = static_cast<std::size_t>(owned->index());
    if (at >= controls_.size()) controls_.resize(at + 1, nullptr);
    controls_[at] = owned.get();
  }
}

platform::Control* ControlRow::find(int index) const {
  if (index < 0 || static_cast<std::size_t>(index) >= controls_.size()) return nullptr;
  return controls_[static_cast<std::size_t>(index)];
}

platform::Control& ControlRow::operator[](int index) const {
  if (platform::Control* control = find(index)) return *control;
  throw std::out_of_range("no control " + name_ + "(" + std::to_string(index) + ")");
}

SettingsFields::SettingsFields(platform::Form& design)
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
      Check7(design.control("Check7")),
      Option1(design, "Option1"),
      Option2(design, "Option2"),
      Option4(design, "Option4"),
      Option6(design, "Option6"),
      Combo1(design.control("Combo1")),
      Combo2(design.control("Combo2")),
      Combo3(design.control("Combo3")),
      Combo4(design.control("Combo4")),
      Combo5(design.control("Combo5")),
      Combo6(design.control("Combo6")),
      Combo7(design.control("Combo7")),
      Label10(design.control("Label10")),
      HScroll1(design.control("HScroll1")),
      VScroll1(design.control("VScroll1")),
      HScroll2(design.control("HScroll2")) {}

SettingsLayout::SettingsLayout(platform::Form& design)
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
      Frame1(design.control("Frame1")),
      Picture6(design.control("Picture6")),
      Picture7(design.control("Picture7")),
      Picture8(design.control("Picture8")),
      Picture10(design.control("Picture10")),
      Picture11(design.control("Picture11")),
      Picture12(design.control("Picture12")),
      Picture13(design.control("Picture13")),
      Combo9(design.control("Combo9")),
      Command5(design.control("Command5")),
      Lab_help(design.control("Lab_help")),
      Image1(design.control("Image1")),
      Label30(design.control("Label30")),
      Label5(design.control("Label5")) {}

}  // namespace horalix
