// The interaction settings window. Closing it keeps nothing that was not saved.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmHudongSet : public platform::Form {
 public:
  explicit FrmHudongSet(Context& app);
};

}  // namespace horalix
