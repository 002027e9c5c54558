// The follow-mode spotlight. Whoever opens or closes it keeps the main window's record of the
// open tool window and the menu check mark.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmLight : public platform::Form {
 public:
  explicit FrmLight(Context& app);

  // The spotlight's own hold-off counter: while it is not 0 the spotlight does not put itself
  // on top, so a menu opened over it stays visible.
  platform::Control& Label1;
};

}  // namespace horalix
