// The backdrop of the dynamic-brightness spotlight; closed before the spotlight itself.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmMoveBefore : public platform::Form {
 public:
  explicit FrmMoveBefore(Context& app);
};

}  // namespace horalix
