// The interaction settings window. Closing it keeps nothing that was not saved.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class FrmHudongSet : public platform::Form {
 public:
  explicit FrmHudongSet(App& app);
};

}  // namespace horalix
