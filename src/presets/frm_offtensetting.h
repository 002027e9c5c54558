// The preset manager. Closing it keeps nothing that was not saved.
#pragma once

#include "platform/forms.h"

namespace horalix {

class App;

class FrmOfftensetting : public platform::Form {
 public:
  explicit FrmOfftensetting(App& app);
};

}  // namespace horalix
