// Binding a form's design from outside the form (a set of fields that several routines share):
// a control array, or a single control, looked up by its design name once, when the form is
// built and hands out its binding.
#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "platform/forms.h"

namespace horalix::platform {

// The controls of one control array of a design, by their index there.
class ControlRow {
 public:
  ControlRow(const Form::Binding& design, std::string_view name);

  // The control of this index; std::out_of_range when the design gives the row none.
  Control& operator[](int index) const;
  // The same, or nullptr.
  Control* find(int index) const;

 private:
  std::string name_;
  // By design index; nullptr where the row has a gap.
  std::vector<Control*> controls_;
};

// The control of the design that has this name and no index; std::out_of_range when there is
// none.
Control& bindControl(const Form::Binding& design, std::string_view name);

}  // namespace horalix::platform
