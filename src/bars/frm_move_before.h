// The backdrop of the dynamic-brightness spotlight; closed before the spotlight itself.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class FrmMoveBefore : public platform::Form {
 public:
  explicit FrmMoveBefore(App& app);
};

}  // namespace horalix
