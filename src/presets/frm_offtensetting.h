// The preset manager. Closing it keeps nothing that was not saved.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmOfftensetting : public platform::Form {
 public:
  explicit FrmOfftensetting(Context& app);
};

}  // namespace horalix
