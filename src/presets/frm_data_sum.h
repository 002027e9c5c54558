// The statistics window of recorded runs. Opening it suspends the document watchers and
// resets the run record; closing it sets the watchers and the clock going again.
#pragma once

#include "platform/forms.h"

namespace horalix {

class Context;

class FrmDataSum : public platform::Form {
 public:
  explicit FrmDataSum(Context& app);

 protected:
  void Form_Unload(bool& cancel) override;

 private:
  Context& app_;
};

}  // namespace horalix
