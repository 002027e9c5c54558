// The tests look at a window from outside, as a user does: a control is found by its design name
// and index among the window's controls. The program itself never does this (each window binds
// its controls once, when it is built).
#pragma once

#include <stdexcept>
#include <string>
#include <string_view>

#include "platform/forms.h"

namespace horalix::test {

inline platform::Control* findControlNamed(const platform::Form& form, std::string_view name,
                                           int index = -1) {
  for (const auto& control : form.controls()) {
    if (control->name() == name && control->index() == index) return control.get();
  }
  return nullptr;
}

inline platform::Control& controlNamed(const platform::Form& form, std::string_view name,
                                       int index = -1) {
  if (platform::Control* control = findControlNamed(form, name, index)) return *control;
  throw std::out_of_range("no control " + form.name() + "." + std::string(name) + "(" +
                          std::to_string(index) + ")");
}

}  // namespace horalix::test
