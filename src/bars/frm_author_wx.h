// The online-help window, shown modally from the tray menu; the command waits until it closes.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class FrmAuthorWx : public platform::Form {
 public:
  explicit FrmAuthorWx(App& app);
};

}  // namespace horalix
