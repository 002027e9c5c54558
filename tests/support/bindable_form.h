// A bare window that hands its binding to the test: for code that binds a part of a window's
// design (a control row, a set of fields) tried on a form without the window that owns it in the
// program.
#pragma once

#include "platform/forms.h"

namespace horalix::test {

class BindableForm : public platform::Form {
 public:
  using Form::binding;
  using Form::Form;
};

}  // namespace horalix::test
