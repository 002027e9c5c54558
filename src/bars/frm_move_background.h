// The dynamic-brightness spotlight. Whoever opens or closes it keeps the main window's record of
// the open tool window and the menu check mark.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmMoveBackground : public platform::Form {
 public:
  explicit FrmMoveBackground(Context& app);
};

}  // namespace horalix
