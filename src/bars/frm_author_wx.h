// The online-help window, shown modally from the tray menu; the command waits until it closes.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmAuthorWx : public platform::Form {
 public:
  explicit FrmAuthorWx(Context& app);
};

}  // namespace horalix
